#include "products/quarvel/rule/FalseInequalityRule.h"

#include "products/quarvel/search/PatternSearch.h"

namespace products::quarvel::rule {

using namespace search;

namespace {
const Pattern
    kFalseInequality(R"(!=\s*false|false\s*!=)",
                     {Anchor("!=").thenAfter(ByteSet::whiteSpace(), 0, ByteSet::of("f")),
                      Anchor("false").thenAfter(ByteSet::whiteSpace(), 0, ByteSet::of("!"))});
} // namespace

void FalseInequalityRule::checkCode(const std::string& code, DefectListener& defects) const {
    guardSearch(kNumber, [&] {
        LineCounter lines(code);
        forEachMatch(kFalseInequality, code, [&](const Match& m) -> Resume {
            defects.onDefect(lines.lineAt(m.begin()), kMessage);
            return m.end();
        });
    });
}

} // namespace products::quarvel::rule
