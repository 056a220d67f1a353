#include "products/quarvel/rule/LongLineRule.h"

#include "products/quarvel/search/PatternSearch.h"
#include "products/quarvel/search/TextScan.h"

namespace products::quarvel::rule {

using namespace search;

namespace {
constexpr std::size_t kLongestLine = 80;

} // namespace

void LongLineRule::checkCode(const std::string& code, DefectListener& defects) const {
    guardSearch(kNumber, [&] {
        LineCounter lines(code);
        // A line runs to the nearer of the next carriage return and line feed; the last
        // stretch has no line end and is not measured. Comments are carriage returns in the
        // code view: a run of them is a run of empty stretches.
        util::forEachEndOfLongStretch(code, '\r', '\n', kLongestLine, [&](std::size_t lineEnd) {
            defects.onDefect(lines.lineAt(lineEnd), kMessage);
        });
    });
}

} // namespace products::quarvel::rule
