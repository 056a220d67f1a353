#include "products/quarvel/rule/EmptyForBodyRule.h"

#include "products/quarvel/rule/PatternSearch.h"

namespace products::quarvel::rule {
namespace {
const Pattern kForHeader(R"(\s(for\s*\(.))", {{"for", {{ByteSet::whiteSpace(), 1, 1}}}});
const Pattern kEmptyStatement(R"(\A\)\s*;)");
const char kMessage[] = "for statement with empty body.";
} // namespace

DefectList EmptyForBodyRule::checkCode(const std::string& code, const std::string& fileName) const {
    return collectDefects(kNumber, [&](DefectList& defects) {
        LineCounter lines(code);
        BracketIndex parentheses(code, '(', ')');
        forEachMatch(kForHeader, code, [&](const Match& m) -> Resume {
            const std::size_t keyword = m.group(1).begin;
            // The last character of the match is the first one inside the parenthesis.
            const auto close = parentheses.matchingClose(m.end() - 1);
            if (close && searchOnce(kEmptyStatement, code, *close))
                defects.push_back({fileName, lines.lineAt(keyword), kMessage});
            return m.end();
        });
    });
}

} // namespace products::quarvel::rule
