#include "products/quarvel/rule/EmptyStatementBody.h"

namespace products::quarvel::rule {
namespace {
const Pattern kEmptyStatement(R"(\A\)\s*;)");
} // namespace

DefectList emptyStatementBodies(std::int32_t ruleNumber, const Pattern& header,
                                const std::string& code, const std::string& fileName,
                                const char* message,
                                const std::function<bool(std::size_t keyword)>& exempt) {
    return collectDefects(ruleNumber, [&](DefectList& defects) {
        LineCounter lines(code);
        BracketIndex parentheses(code, '(', ')');
        forEachMatch(header, code, [&](const Match& m) -> Resume {
            const std::size_t keyword = m.group(1).begin;
            // The last character of the match is the first one inside the parenthesis.
            const auto close = parentheses.matchingClose(m.end() - 1);
            if (close && searchOnce(kEmptyStatement, code, *close) && !(exempt && exempt(keyword)))
                defects.push_back({fileName, lines.lineAt(keyword), message});
            return m.end();
        });
    });
}

} // namespace products::quarvel::rule
