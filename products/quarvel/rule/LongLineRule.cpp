#include "products/quarvel/rule/LongLineRule.h"

#include "products/quarvel/rule/PatternSearch.h"
#include "products/quarvel/rule/TextScan.h"

#include <algorithm>

namespace products::quarvel::rule {
namespace {
const char kMessage[] = "Line is too long. Prefer lines no longer than 80 characters.";
constexpr std::size_t kLongestLine = 80;

} // namespace

DefectList LongLineRule::checkCode(const std::string& code, const std::string& fileName) const {
    return collectDefects(kNumber, [&](DefectList& defects) {
        LineCounter lines(code);
        NextOf carriageReturn(code, "\r");
        NextOf lineFeed(code, "\n");
        std::size_t lineStart = 0;
        while (true) {
            // npos is the largest value, so min picks whichever of the two exists.
            const std::size_t lineEnd =
                std::min(carriageReturn.from(lineStart), lineFeed.from(lineStart));
            if (lineEnd == std::string::npos)
                return; // the last stretch has no line end and is not measured
            if (lineEnd - lineStart > kLongestLine)
                defects.push_back({fileName, lines.lineAt(lineStart), kMessage});
            lineStart = lineEnd + 1;
            // Comments are carriage returns in the code view: a run of them is a run of empty
            // stretches, none of them too long.
            while (lineStart < code.size() && code[lineStart] == '\r')
                ++lineStart;
        }
    });
}

} // namespace products::quarvel::rule
