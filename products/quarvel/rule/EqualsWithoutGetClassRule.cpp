#include "products/quarvel/rule/EqualsWithoutGetClassRule.h"

#include "products/quarvel/search/PatternSearch.h"
#include "products/quarvel/search/TextScan.h"

namespace products::quarvel::rule {

using namespace search;

namespace {
// Group 1: the text between the semicolon or brace and "boolean"; group 2: the word equals.
const Pattern kEqualsWithBody(R"([;\}\{]{1}([^\(]+)boolean\s+(equals)\s*\(\s*Object\s[^;,\{]+\{.)");
// kEqualsWithBody from "boolean" on, "boolean\s+(equals)\s*\(\s*Object\s[^;,\{]+\{.", finds
// the candidates (see nextEqualsMethod). nextEqualsTail finds its matches directly: searched
// as a pattern, every "boolean" ran on to the next ";", "," or "{", however far.
const LiteralFinder kBooleanWord("boolean");
const std::string kEqualsWord = "equals";
const std::string kObjectWord = "Object";
const Pattern
    kGetClassCall(R"(getClass\s*\(\s*\))",
                  {Anchor("getClass").thenAfter(ByteSet::whiteSpace(), 0, ByteSet::of("("))});

/// The next match of the tail at or after `from`. Up to the white space after "Object" the
/// tail is fixed; the rest runs to the first ";", "," or "{" after it, which must be a "{"
/// with at least one byte before it and one after it.
std::optional<Span> nextEqualsTail(const std::string& code, std::size_t from, NextOf& stops) {
    for (std::size_t at = kBooleanWord.find(code, from); at != std::string::npos;
         at = kBooleanWord.find(code, at + 1)) {
        const std::size_t blanks = at + kBooleanWord.literal().size();
        std::size_t i = skipBlanks(code, blanks);
        if (i == blanks || code.compare(i, kEqualsWord.size(), kEqualsWord) != 0)
            continue;
        i = skipBlanks(code, i + kEqualsWord.size());
        if (i >= code.size() || code[i] != '(')
            continue;
        i = skipBlanks(code, i + 1);
        if (code.compare(i, kObjectWord.size(), kObjectWord) != 0)
            continue;
        i += kObjectWord.size();
        if (i >= code.size() || !isBlank(code[i]))
            continue;
        const std::size_t stop = stops.from(i + 1);
        if (stop == std::string::npos)
            return std::nullopt; // no later tail has an end either
        if (code[stop] == '{' && stop > i + 1 && stop + 1 < code.size())
            return Span{at, stop + 2};
    }
    return std::nullopt;
}

bool isStartByte(char c) {
    return c == ';' || c == '{' || c == '}';
}

/// The leftmost match of kEqualsWithBody in [from, end of code).
///
/// Searched as it stands, the pattern tries every semicolon and brace and runs on to the next
/// "(" from each, which is quadratic in long stretches without parentheses. Since group 1
/// holds no "(", a match ends its group 1 at the first "(" after its start, and a tail that
/// starts at "boolean" belongs to the match that starts at the first semicolon or brace after
/// the last "(" before it (leaving group 1 at least one byte). Later tails give later starts,
/// so the first tail with such a start gives the leftmost match. The pattern itself is then
/// run over exactly that stretch, so the match and its groups are its own.
std::optional<Match> nextEqualsMethod(const std::string& code, std::size_t from, NextOf& stops) {
    std::size_t tailFrom = from;
    while (const std::optional<Span> tail = nextEqualsTail(code, tailFrom, stops)) {
        const std::size_t boolean = tail->begin;
        std::size_t start = from;
        if (boolean > from) {
            const std::size_t lastParen = code.rfind('(', boolean - 1);
            if (lastParen != std::string::npos && lastParen >= from)
                start = lastParen + 1;
        }
        while (start + 2 <= boolean && !isStartByte(code[start]))
            ++start;
        if (start + 2 <= boolean) {
            if (std::optional<Match> m = searchOnce(kEqualsWithBody, code, start, tail->end))
                return m;
        }
        tailFrom = boolean + 1;
    }
    return std::nullopt;
}
} // namespace

void EqualsWithoutGetClassRule::checkCode(const std::string& code, DefectListener& defects) const {
    guardSearch(kNumber, [&] {
        // A final class anywhere in the file puts every equals method out of question.
        if (code.find("final class") != std::string::npos)
            return;
        LineCounter lines(code);
        BracketIndex braces(code, '{', '}');
        MatchWithin getClassCalls(kGetClassCall, code);
        std::size_t from = 0;
        NextOf stops(code, ";,{");
        while (const std::optional<Match> m = nextEqualsMethod(code, from, stops)) {
            from = m->end(); // the next method may start inside this one's body
            if (m->groupText(code, 1).find("final") != std::string::npos)
                continue;
            const std::size_t bodyStart = m->end() - 1;
            const auto close = braces.matchingClose(bodyStart);
            const std::size_t bodyEnd = close ? *close : code.size();
            if (!getClassCalls.found(bodyStart, bodyEnd))
                defects.onDefect(lines.lineAt(m->group(2).begin), kMessage);
        }
    });
}

} // namespace products::quarvel::rule
