#include "products/quarvel/rule/GeneralCatchTypeRule.h"

#include "products/quarvel/search/PatternSearch.h"

namespace products::quarvel::rule {

using namespace search;

namespace {
const Pattern kGeneralCatch(
    R"(\}\s*catch\s*\(\s*(Exception|Throwable|RuntimeException|Error|final\s+Exception|final\s+Throwable|final\s+RuntimeException|final\s+Error))",
    {Anchor("catch", {{ByteSet::whiteSpace(), 0, kNoPosition}, {ByteSet::of("}"), 1, 1}})
         .thenAfter(ByteSet::whiteSpace(), 0, ByteSet::of("("))});
} // namespace

void GeneralCatchTypeRule::checkCode(const std::string& code, DefectListener& defects) const {
    guardSearch(kNumber, [&] {
        LineCounter lines(code);
        forEachMatch(kGeneralCatch, code, [&](const Match& m) -> Resume {
            // At the type, or at the word final written before it.
            defects.onDefect(lines.lineAt(m.group(1).begin), kMessage);
            return m.end();
        });
    });
}

} // namespace products::quarvel::rule
