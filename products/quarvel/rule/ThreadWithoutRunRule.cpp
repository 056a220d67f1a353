#include "products/quarvel/rule/ThreadWithoutRunRule.h"

#include "products/quarvel/search/PatternSearch.h"
#include "products/quarvel/search/TextScan.h"

#include <string>

namespace products::quarvel::rule {

using namespace search;

namespace {
// A Thread subclass is a match of
// "([^\{\}]*)class\s+\w+\s+extends\s+Thread\s[^\{]*\{.": group 1 runs back from "class" to the
// nearest brace (or to where the search resumed), then the class header up to its "{" and
// one more byte. nextThreadSubclass finds these matches directly.
const LiteralFinder kClassWord("class");

struct ThreadSubclass {
    std::size_t begin;
    std::size_t classWord; // the end of group 1
    std::size_t end;
};

/// Whether "class\s+\w+\s+extends\s+Thread\s" stands at `at`.
bool threadHeaderAt(const std::string& code, std::size_t at) {
    std::size_t i = at + 5; // past "class"
    const auto blanks = [&] {
        const std::size_t start = i;
        i = skipBlanks(code, i);
        return i > start;
    };
    const auto wordBytes = [&] {
        const std::size_t start = i;
        while (i < code.size() && isWordByte(code[i]))
            ++i;
        return i > start;
    };
    const auto word = [&](const char* text) {
        const std::size_t length = std::char_traits<char>::length(text);
        if (code.compare(i, length, text) != 0)
            return false;
        i += length;
        return true;
    };
    return blanks() && wordBytes() && blanks() && word("extends") && blanks() && word("Thread") &&
           i < code.size() && isBlank(code[i]);
}

/// The leftmost match in [from, end of code). Its start is the start of the brace-free run
/// that holds the first "class" with a Thread header and a "{" after it; its group 1 ends at
/// the last such "class" of that run (the longest group 1), and every one of them ends the
/// match at the same "{".
std::optional<ThreadSubclass> nextThreadSubclass(const std::string& code, std::size_t from,
                                                 NextOf& openBraces, NextOf& braces) {
    const auto valid = [&](std::size_t at) {
        if (!threadHeaderAt(code, at))
            return std::size_t{0};
        const std::size_t open = openBraces.from(at);
        return open != std::string::npos && open + 1 < code.size() ? open + 2 : std::size_t{0};
    };
    for (std::size_t at = kClassWord.find(code, from); at != std::string::npos;
         at = kClassWord.find(code, at + 1)) {
        const std::size_t end = valid(at);
        if (end == 0)
            continue;
        std::size_t begin = at;
        while (begin > from && code[begin - 1] != '{' && code[begin - 1] != '}')
            --begin;
        const std::size_t runEnd = std::min(braces.from(at), code.size());
        std::size_t last = at;
        for (std::size_t next = kClassWord.find(code, at + 1); next < runEnd;
             next = kClassWord.find(code, next + 1)) {
            if (valid(next) != 0)
                last = next;
        }
        return ThreadSubclass{begin, last, end};
    }
    return std::nullopt;
}

const Pattern kRunMethod(R"(public\s+void\s+run\s*\(\s*\))",
                         {Anchor("public").thenAfter(ByteSet::whiteSpace(), 1, ByteSet::of("v"))});
} // namespace

void ThreadWithoutRunRule::checkCode(const std::string& code, DefectListener& defects) const {
    guardSearch(kNumber, [&] {
        LineCounter lines(code);
        BracketIndex braces(code, '{', '}');
        MatchWithin runMethods(kRunMethod, code);
        NextOf openBraces(code, "{");
        NextOf anyBraces(code, "{}");
        std::size_t from = 0;
        while (const auto m = nextThreadSubclass(code, from, openBraces, anyBraces)) {
            from = m->end;
            if (code.substr(m->begin, m->classWord - m->begin).find("abstract") !=
                std::string::npos)
                continue;
            const std::size_t bodyStart = m->end - 1;
            const auto close = braces.matchingClose(bodyStart);
            const std::size_t bodyEnd = close ? *close : code.size();
            if (!runMethods.found(bodyStart, bodyEnd))
                defects.onDefect(lines.lineAt(m->begin), kMessage);
        }
    });
}

} // namespace products::quarvel::rule
