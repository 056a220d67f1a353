#include "products/quarvel/rule/AssertMethodRule.h"

#include "products/quarvel/search/PatternSearch.h"

namespace products::quarvel::rule {

using namespace search;

namespace {
const Pattern kQualifiedAssertCall(
    R"(\.\s*assert\()",
    {{"assert(", {{ByteSet::whiteSpace(), 0, kNoPosition}, {ByteSet::of("."), 1, 1}}}});
} // namespace

void AssertMethodRule::checkCode(const std::string& code, DefectListener& defects) const {
    guardSearch(kNumber, [&] {
        LineCounter lines(code);
        forEachMatch(kQualifiedAssertCall, code, [&](const Match& m) -> Resume {
            defects.onDefect(lines.lineAt(m.begin()), kMessage);
            return m.end();
        });
    });
}

} // namespace products::quarvel::rule
