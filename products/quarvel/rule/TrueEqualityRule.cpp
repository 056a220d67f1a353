#include "products/quarvel/rule/TrueEqualityRule.h"

#include "products/quarvel/search/PatternSearch.h"

namespace products::quarvel::rule {

using namespace search;

namespace {
const Pattern kTrueEquality(R"(==\s*true|true\s*==)",
                            {Anchor("==").thenAfter(ByteSet::whiteSpace(), 0, ByteSet::of("t")),
                             Anchor("true").thenAfter(ByteSet::whiteSpace(), 0, ByteSet::of("="))});
} // namespace

void TrueEqualityRule::checkCode(const std::string& code, DefectListener& defects) const {
    guardSearch(kNumber, [&] {
        LineCounter lines(code);
        forEachMatch(kTrueEquality, code, [&](const Match& m) -> Resume {
            defects.onDefect(lines.lineAt(m.begin()), kMessage);
            return m.end();
        });
    });
}

} // namespace products::quarvel::rule
