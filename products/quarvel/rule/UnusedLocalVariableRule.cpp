#include "products/quarvel/rule/UnusedLocalVariableRule.h"

#include "products/quarvel/rule/PatternSearch.h"

#include <array>

namespace products::quarvel::rule {
namespace {
const Pattern kMethodWithBody(R"(\w+\([^)]*\)[^;]*?\{.)",
                              {{"(", {{ByteSet::word(), 1, kNoPosition}}}});
// Group 1: the word before the name; group 2: the name; group 3: ";" or "=".
const Pattern kDeclaration(R"((\w+)\s+([[:alpha:]_]+\w*)\s*(;|=))",
                           {{";",
                             {{ByteSet::whiteSpace(), 0, kNoPosition},
                              {ByteSet::word(), 1, kNoPosition},
                              {ByteSet::whiteSpace(), 1, kNoPosition},
                              {ByteSet::word(), 1, kNoPosition}}},
                            {"=",
                             {{ByteSet::whiteSpace(), 0, kNoPosition},
                              {ByteSet::word(), 1, kNoPosition},
                              {ByteSet::whiteSpace(), 1, kNoPosition},
                              {ByteSet::word(), 1, kNoPosition}}}});
const char kMessage[] = "Unused local variable.";

/// Words that put a statement, not a declaration, in front of a name.
const std::array<const char*, 5> kStatementWords = {"return", "throw", "break", "continue", "else"};

bool isStatementWord(const std::string& word) {
    for (const char* statement : kStatementWords) {
        if (word == statement)
            return true;
    }
    return false;
}

/// A word character of the patterns: ASCII letter, digit or underscore; no byte above 127.
bool isWordByte(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_';
}

/// True when the name occurs in [from, to) with a non-word byte on both sides, both inside
/// the range: what "[^\w]" + name + "[^\w]" finds there, since a name holds only word bytes.
bool occursAsWord(const std::string& code, const std::string& name, std::size_t from,
                  std::size_t to) {
    if (to < from || to - from < name.size() + 2)
        return false;
    const std::size_t lastStart = to - 1 - name.size(); // leaves room for the byte after
    for (std::size_t at = code.find(name, from + 1); at != std::string::npos && at <= lastStart;
         at = code.find(name, at + 1)) {
        if (!isWordByte(code[at - 1]) && !isWordByte(code[at + name.size()]))
            return true;
    }
    return false;
}
} // namespace

DefectList UnusedLocalVariableRule::checkCode(const std::string& code,
                                              const std::string& fileName) const {
    return collectDefects(kNumber, [&](DefectList& defects) {
        LineCounter lines(code);
        forEachMatch(kMethodWithBody, code, [&](const Match& method) -> Resume {
            const std::size_t bodyStart = method.end() - 1; // the character after the brace
            const auto close = findMatchingClose(code, bodyStart, '{', '}');
            // Without a closing brace the body runs to the end of the text.
            const std::size_t bodyEnd = close ? *close : code.size();
            forEachMatch(
                kDeclaration, code,
                [&](const Match& declaration) -> Resume {
                    if (isStatementWord(declaration.groupText(code, 1)))
                        return declaration.end();
                    const Span name = declaration.group(2);
                    // The scope ends at the first brace that closes more than it opens.
                    const auto scopeClose = findMatchingClose(code, name.end, '{', '}');
                    const std::size_t scopeEnd = scopeClose ? *scopeClose : code.size();
                    if (!occursAsWord(code, code.substr(name.begin, name.length()), name.end,
                                      scopeEnd))
                        defects.push_back({fileName, lines.lineAt(name.begin), kMessage});
                    return declaration.end();
                },
                bodyStart, bodyEnd);
            // Nested blocks, local and anonymous classes included, belong to this body. A body
            // without its closing brace ran to the end of the text, so nothing is left to search.
            return close ? Resume(*close) : std::nullopt;
        });
    });
}

} // namespace products::quarvel::rule
