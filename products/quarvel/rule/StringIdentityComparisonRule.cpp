#include "products/quarvel/rule/StringIdentityComparisonRule.h"

#include "products/quarvel/search/PatternSearch.h"

namespace products::quarvel::rule {

using namespace search;

namespace {
const Pattern kStringIdentityComparison(
    R"(==\s*"|"\s*==|!=\s*"|"\s*!=)",
    // Quotes are frequent in code and the operators are not: every match is found from its
    // operator, with the quote after it or before it.
    {Anchor("==").thenAfter(ByteSet::whiteSpace(), 0, ByteSet::of("\"")),
     Anchor("==", {{ByteSet::whiteSpace(), 0, kNoPosition}, {ByteSet::of("\""), 1, 1}}),
     Anchor("!=").thenAfter(ByteSet::whiteSpace(), 0, ByteSet::of("\"")),
     Anchor("!=", {{ByteSet::whiteSpace(), 0, kNoPosition}, {ByteSet::of("\""), 1, 1}})});
} // namespace

void StringIdentityComparisonRule::checkCode(const std::string& code, DefectListener& defects) const {
    guardSearch(kNumber, [&] {
        LineCounter lines(code);
        forEachMatch(kStringIdentityComparison, code, [&](const Match& m) -> Resume {
            defects.onDefect(lines.lineAt(m.begin()), kMessage);
            return m.end();
        });
    });
}

} // namespace products::quarvel::rule
