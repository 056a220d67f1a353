#include "products/quarvel/rule/EqualsWithoutGetClassRule.h"

#include "products/quarvel/rule/PatternSearch.h"

namespace products::quarvel::rule {
namespace {
// Group 1: the text between the semicolon or brace and "boolean"; group 2: the word equals.
const Pattern kEqualsWithBody(R"([;\}\{]{1}([^\(]+)boolean\s+(equals)\s*\(\s*Object\s[^;,\{]+\{.)");
// kEqualsWithBody from "boolean" on: finds the candidates (see nextEqualsMethod).
const Pattern
    kEqualsTail(R"(boolean\s+(equals)\s*\(\s*Object\s[^;,\{]+\{.)",
                {Anchor("boolean").thenAfter(ByteSet::whiteSpace(), 1, ByteSet::of("e"))});
const Pattern
    kGetClassCall(R"(getClass\s*\(\s*\))",
                  {Anchor("getClass").thenAfter(ByteSet::whiteSpace(), 0, ByteSet::of("("))});
const char kMessage[] = "Compare classes using getClass() in non-final equals method.";

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
std::optional<Match> nextEqualsMethod(const std::string& code, std::size_t from) {
    std::size_t tailFrom = from;
    while (const std::optional<Match> tail = searchOnce(kEqualsTail, code, tailFrom)) {
        const std::size_t boolean = tail->begin();
        std::size_t start = from;
        if (boolean > from) {
            const std::size_t lastParen = code.rfind('(', boolean - 1);
            if (lastParen != std::string::npos && lastParen >= from)
                start = lastParen + 1;
        }
        while (start + 2 <= boolean && !isStartByte(code[start]))
            ++start;
        if (start + 2 <= boolean) {
            if (std::optional<Match> m = searchOnce(kEqualsWithBody, code, start, tail->end()))
                return m;
        }
        tailFrom = boolean + 1;
    }
    return std::nullopt;
}
} // namespace

DefectList EqualsWithoutGetClassRule::checkCode(const std::string& code,
                                                const std::string& fileName) const {
    return collectDefects(kNumber, [&](DefectList& defects) {
        // A final class anywhere in the file puts every equals method out of question.
        if (code.find("final class") != std::string::npos)
            return;
        LineCounter lines(code);
        BracketIndex braces(code, '{', '}');
        MatchWithin getClassCalls(kGetClassCall, code);
        std::size_t from = 0;
        while (const std::optional<Match> m = nextEqualsMethod(code, from)) {
            from = m->end(); // the next method may start inside this one's body
            if (m->groupText(code, 1).find("final") != std::string::npos)
                continue;
            const std::size_t bodyStart = m->end() - 1;
            const auto close = braces.matchingClose(bodyStart);
            const std::size_t bodyEnd = close ? *close : code.size();
            if (!getClassCalls.found(bodyStart, bodyEnd))
                defects.push_back({fileName, lines.lineAt(m->group(2).begin), kMessage});
        }
    });
}

} // namespace products::quarvel::rule
