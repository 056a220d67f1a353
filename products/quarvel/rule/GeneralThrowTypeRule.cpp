#include "products/quarvel/rule/GeneralThrowTypeRule.h"

#include "products/quarvel/search/PatternSearch.h"

namespace products::quarvel::rule {

using namespace search;

namespace {
const Pattern
    kGeneralThrow(R"(throw\s+(Exception|Throwable|RuntimeException|Error))",
                  {Anchor("throw").thenAfter(ByteSet::whiteSpace(), 1, ByteSet::of("ETR"))});
} // namespace

void GeneralThrowTypeRule::checkCode(const std::string& code, DefectListener& defects) const {
    guardSearch(kNumber, [&] {
        LineCounter lines(code);
        forEachMatch(kGeneralThrow, code, [&](const Match& m) -> Resume {
            defects.onDefect(lines.lineAt(m.group(1).begin), kMessage);
            return m.end();
        });
    });
}

} // namespace products::quarvel::rule
