#include "products/quarvel/rule/EmptyIfBodyRule.h"

#include "products/quarvel/rule/PatternSearch.h"

namespace products::quarvel::rule {
namespace {
const Pattern kIfHeader(R"([\s\{\}](if\s*\(.))",
                        {{"if", {{ByteSet::whiteSpace() | ByteSet::of("{}"), 1, 1}}}});
const Pattern kEmptyStatement(R"(\A\)\s*;)");
const char kMessage[] = "if statement with empty body.";
} // namespace

DefectList EmptyIfBodyRule::checkCode(const std::string& code, const std::string& fileName) const {
    return collectDefects(kNumber, [&](DefectList& defects) {
        LineCounter lines(code);
        BracketIndex parentheses(code, '(', ')');
        forEachMatch(kIfHeader, code, [&](const Match& m) -> Resume {
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
