#include "products/quarvel/rule/LongLineRule.h"

#include "products/quarvel/rule/PatternSearch.h"
#include "products/quarvel/rule/TextScan.h"

#include <cstdint>

namespace products::quarvel::rule {
namespace {
constexpr std::size_t kLongestLine = 80;

} // namespace

void LongLineRule::checkCode(const std::string& code, DefectSink& defects) const {
    guardSearch(kNumber, [&] {
        std::size_t lineStart = 0;
        std::int32_t line = 1;
        while (true) {
            // A line runs to the nearer of the next carriage return and line feed.
            const std::size_t lineEnd = findByteOf(code, '\r', '\n', lineStart);
            if (lineEnd == std::string::npos)
                return; // the last stretch has no line end and is not measured
            if (lineEnd - lineStart > kLongestLine)
                defects.report(line, kMessage);
            line += code[lineEnd] == '\n';
            lineStart = lineEnd + 1;
            // Comments are carriage returns in the code view: a run of them is a run of empty
            // stretches, none of them too long.
            lineStart = skipByte(code, '\r', lineStart);
        }
    });
}

} // namespace products::quarvel::rule
