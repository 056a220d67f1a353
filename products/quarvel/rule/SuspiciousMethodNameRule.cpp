#include "products/quarvel/rule/SuspiciousMethodNameRule.h"

#include "products/quarvel/search/PatternSearch.h"

namespace products::quarvel::rule {

using namespace search;

namespace {
const Pattern kMisspeltDeclaration(
    R"(public\s+boolean\s+equal\s*\(Object\s+|protected\s+void\s+finalise\s*\(|protected\s+void\s+finallize\s*\(|public\s+int\s+hashcode\s*\()",
    {Anchor("public").thenAfter(ByteSet::whiteSpace(), 1, ByteSet::of("bi")),
     Anchor("protected").thenAfter(ByteSet::whiteSpace(), 1, ByteSet::of("v"))});
} // namespace

void SuspiciousMethodNameRule::checkCode(const std::string& code, DefectListener& defects) const {
    guardSearch(kNumber, [&] {
        LineCounter lines(code);
        forEachMatch(kMisspeltDeclaration, code, [&](const Match& m) -> Resume {
            defects.onDefect(lines.lineAt(m.begin()), kMessage);
            return m.end();
        });
    });
}

} // namespace products::quarvel::rule
