#include "products/quarvel/rule/TabCharacterRule.h"

#include "products/quarvel/search/PatternSearch.h"

namespace products::quarvel::rule {

using namespace search;

namespace {} // namespace

void TabCharacterRule::checkCode(const std::string& code, DefectListener& defects) const {
    guardSearch(kNumber, [&] {
        LineCounter lines(code);
        std::int32_t lastLine = 0;
        for (std::size_t tab = code.find('\t'); tab != std::string::npos;
             tab = code.find('\t', tab + 1)) {
            const std::int32_t line = lines.lineAt(tab);
            if (line != lastLine)
                defects.onDefect(line, kMessage);
            lastLine = line;
        }
    });
}

} // namespace products::quarvel::rule
