#include "products/quarvel/rule/EmptyStatementBody.h"

#include "products/quarvel/search/TextScan.h"

#include <optional>

namespace products::quarvel::rule {

using namespace search;

namespace {
struct HeaderMatch {
    std::size_t keyword;
    std::size_t parenthesis;
};

/// The leftmost header whose byte before the keyword is at or after `from`, or nullopt.
std::optional<HeaderMatch> nextHeader(const StatementHeader& header, const std::string& code,
                                      std::size_t from) {
    const std::size_t length = header.keyword.literal().size();
    for (std::size_t keyword = header.keyword.find(code, from + 1); keyword != kNoPosition;
         keyword = header.keyword.find(code, keyword + 1)) {
        if (!header.before.contains(code[keyword - 1]))
            continue;
        const std::size_t parenthesis = skipBlanks(code, keyword + length);
        if (parenthesis + 1 < code.size() && code[parenthesis] == '(')
            return HeaderMatch{keyword, parenthesis};
    }
    return std::nullopt;
}

/// Whether "\A\)\s*;" matches at the closing parenthesis `close`: white space alone between it
/// and a ";".
bool emptyStatementAt(const std::string& code, std::size_t close) {
    const std::size_t after = skipBlanks(code, close + 1);
    return after < code.size() && code[after] == ';';
}
} // namespace

void emptyStatementBodies(std::int32_t ruleNumber, const StatementHeader& header,
                          const std::string& code, DefectListener& defects, const char* message,
                          const std::function<bool(std::size_t keyword)>& exempt) {
    guardSearch(ruleNumber, [&] {
        LineCounter lines(code);
        BracketIndex parentheses(code, '(', ')');
        std::size_t from = 0;
        while (const auto match = nextHeader(header, code, from)) {
            // The search goes on after the first byte inside the parenthesis.
            from = match->parenthesis + 2;
            const auto close = parentheses.matchingClose(match->parenthesis + 1);
            if (close && emptyStatementAt(code, *close) && !(exempt && exempt(match->keyword)))
                defects.onDefect(lines.lineAt(match->keyword), message);
        }
    });
}

} // namespace products::quarvel::rule
