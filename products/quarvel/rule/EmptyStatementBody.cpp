#include "products/quarvel/rule/EmptyStatementBody.h"

#include "products/quarvel/rule/TextScan.h"

namespace products::quarvel::rule {
namespace {
/// Whether "\A\)\s*;" matches at the closing parenthesis `close`: white space alone between it
/// and a ";".
bool emptyStatementAt(const std::string& code, std::size_t close) {
    const std::size_t after = skipBlanks(code, close + 1);
    return after < code.size() && code[after] == ';';
}
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
            if (close && emptyStatementAt(code, *close) && !(exempt && exempt(keyword)))
                defects.report(lines.lineAt(keyword), message);
            return m.end();
        });
    });
}

} // namespace products::quarvel::rule
