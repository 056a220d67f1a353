#include "products/quarvel/rule/NonFinalParameterRule.h"

#include "products/quarvel/search/PatternSearch.h"
#include "products/quarvel/search/TextScan.h"
#include "util/StringHelper.h"

namespace products::quarvel::rule {

using namespace search;

namespace {
// A method or other construct with a parameter list and a body is a match of
// "\w+\s*\(\s*([^()]*)\)[^;\{\}]*?\{.": a word, optional white space, "(", no parenthesis up
// to the first ")", then the first of ";", "{" and "}" after it is "{", with one more byte.
// Group 1, the parameter list, starts right after the opening parenthesis: a list of white
// space alone counts as a list. nextParameterList finds these matches directly.

struct ParameterList {
    std::size_t begin; // the word before the parenthesis
    std::size_t listBegin;
    std::size_t listEnd;
    std::size_t end; // just past the byte after the opening brace
};

/// The leftmost match in [from, end of code). The matches of later parentheses start later,
/// so the first parenthesis that fits gives it.
std::optional<ParameterList> nextParameterList(const std::string& code, std::size_t from,
                                               NextOf& parentheses, NextOf& stops) {
    for (std::size_t open = code.find('(', from); open != std::string::npos;
         open = code.find('(', open + 1)) {
        const std::size_t wordEnd = skipBlanksBack(code, open, from);
        std::size_t begin = wordEnd;
        while (begin > from && isWordByte(code[begin - 1]))
            --begin;
        if (begin == wordEnd)
            continue;
        const std::size_t close = parentheses.from(open + 1);
        if (close == std::string::npos)
            return std::nullopt; // no parenthesis left for any later one either
        if (code[close] != ')')
            continue;
        const std::size_t stop = stops.from(close + 1);
        if (stop == std::string::npos)
            return std::nullopt;
        if (code[stop] == '{' && stop + 1 < code.size())
            return ParameterList{begin, open + 1, close, stop + 2};
    }
    return std::nullopt;
}
} // namespace

void NonFinalParameterRule::checkCode(const std::string& code, DefectListener& defects) const {
    guardSearch(kNumber, [&] {
        LineCounter lines(code);
        BracketIndex braces(code, '{', '}');
        NextOf parentheses(code, "()");
        NextOf stops(code, ";{}");
        std::size_t from = 0;
        while (const auto m = nextParameterList(code, from, parentheses, stops)) {
            const std::string list = code.substr(m->listBegin, m->listEnd - m->listBegin);
            if (!list.empty() && util::StringHelper::countOccurrences(list, "final ") <=
                                     util::StringHelper::countOccurrences(list, ","))
                defects.onDefect(lines.lineAt(m->begin), kMessage);
            // The body is skipped: statements inside it are not declarations. Without a
            // closing brace the search goes on after the match.
            const auto close = braces.matchingClose(m->end - 1);
            from = close ? *close : m->end;
        }
    });
}

} // namespace products::quarvel::rule
