#include "products/quarvel/rule/UnnecessaryIfRule.h"

#include "products/quarvel/search/PatternSearch.h"

namespace products::quarvel::rule {

using namespace search;

namespace {
const Pattern kIfTrue(R"(if\s*\(\s*true\s*\))",
                      {Anchor("if").thenAfter(ByteSet::whiteSpace(), 0, ByteSet::of("("))});
} // namespace

void UnnecessaryIfRule::checkCode(const std::string& code, DefectListener& defects) const {
    guardSearch(kNumber, [&] {
        LineCounter lines(code);
        forEachMatch(kIfTrue, code, [&](const Match& m) -> Resume {
            defects.onDefect(lines.lineAt(m.begin()), kMessage);
            return m.end();
        });
    });
}

} // namespace products::quarvel::rule
