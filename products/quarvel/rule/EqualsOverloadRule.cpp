#include "products/quarvel/rule/EqualsOverloadRule.h"

#include "products/quarvel/search/PatternSearch.h"

namespace products::quarvel::rule {

using namespace search;

namespace {
// Group 1: the parameter type as written.
const Pattern
    kPublicEquals(R"(public\s+boolean\s+equals\s*\(([^\s]+)\s\w+\))",
                  {Anchor("public").thenAfter(ByteSet::whiteSpace(), 1, ByteSet::of("b"))});
} // namespace

void EqualsOverloadRule::checkCode(const std::string& code, DefectListener& defects) const {
    guardSearch(kNumber, [&] {
        LineCounter lines(code);
        forEachMatch(kPublicEquals, code, [&](const Match& m) -> Resume {
            const std::string type = m.groupText(code, 1);
            if (type != "Object" && type != "java.lang.Object")
                defects.onDefect(lines.lineAt(m.begin()), kMessage);
            return m.end();
        });
    });
}

} // namespace products::quarvel::rule
