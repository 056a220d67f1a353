#include "products/quarvel/rule/EmptyStatementBody.h"

namespace products::quarvel::rule {
namespace {
const Pattern kEmptyStatement(R"(\A\)\s*;)");
} // namespace

void emptyStatementBodies(std::int32_t ruleNumber, const Pattern& header, const std::string& code,
                          DefectSink& defects, const char* message,
                          const std::function<bool(std::size_t keyword)>& exempt) {
    guardSearch(ruleNumber, [&] {
        LineCounter lines(code);
        BracketIndex parentheses(code, '(', ')');
        forEachMatch(header, code, [&](const Match& m) -> Resume {
            const std::size_t keyword = m.group(1).begin;
            // The last character of the match is the first one inside the parenthesis.
            const auto close = parentheses.matchingClose(m.end() - 1);
            if (close && searchOnce(kEmptyStatement, code, *close) && !(exempt && exempt(keyword)))
                defects.report(lines.lineAt(keyword), message);
            return m.end();
        });
    });
}

} // namespace products::quarvel::rule
