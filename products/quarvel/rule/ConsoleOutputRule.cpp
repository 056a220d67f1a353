#include "products/quarvel/rule/ConsoleOutputRule.h"

#include "products/quarvel/search/PatternSearch.h"

namespace products::quarvel::rule {

using namespace search;

namespace {
const Pattern kConsoleOutput(R"(System\.err\.print|System\.out\.print|.printStackTrace\(\);)",
                             {{"System.err.print"},
                              {"System.out.print"},
                              {"printStackTrace();", {{ByteSet::any(), 1, 1}}}});
} // namespace

void ConsoleOutputRule::checkCode(const std::string& code, DefectListener& defects) const {
    guardSearch(kNumber, [&] {
        LineCounter lines(code);
        forEachMatch(kConsoleOutput, code, [&](const Match& m) -> Resume {
            // The stack-trace form starts one byte before its name, which can be the line feed
            // ending the line above.
            defects.onDefect(lines.lineAt(m.begin()), kMessage);
            return m.end();
        });
    });
}

} // namespace products::quarvel::rule
