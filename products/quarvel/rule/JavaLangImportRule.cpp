#include "products/quarvel/rule/JavaLangImportRule.h"

#include "products/quarvel/search/PatternSearch.h"

namespace products::quarvel::rule {

using namespace search;

namespace {
const Pattern
    kJavaLangImport(R"(import\s+java.lang.[^.;]+;)",
                    {Anchor("import").thenAfter(ByteSet::whiteSpace(), 1, ByteSet::of("j"))});
} // namespace

void JavaLangImportRule::checkCode(const std::string& code, DefectListener& defects) const {
    guardSearch(kNumber, [&] {
        LineCounter lines(code);
        forEachMatch(kJavaLangImport, code, [&](const Match& m) -> Resume {
            defects.onDefect(lines.lineAt(m.begin()), kMessage);
            return m.end();
        });
    });
}

} // namespace products::quarvel::rule
