#include "products/quarvel/rule/DuplicateImportRule.h"

#include "products/quarvel/rule/PatternSearch.h"

#include <optional>

namespace products::quarvel::rule {
namespace {
const Pattern kRepeatedImport(R"(import\s+([^*;]+);[^\(\{]*?import\s+\1;)", {{"import"}});
const char kMessage[] = "Duplicate import statement.";
const char kImport[] = "import";
const std::size_t kImportLength = sizeof(kImport) - 1;

/// The white space of the pattern dialect.
bool isBlank(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

/// The end of the longest match that starts where `m` starts. When more than one white-space
/// byte follows the first "import", the name may also begin with all but one of them, and the
/// more of them it takes, the fewer imports repeat it. So the longest match is the one whose
/// name keeps the most leading white space that some later import still repeats byte for
/// byte, ending at the first import that does. The engine gives the name as little white
/// space as it can instead, which can end its match at an earlier import.
std::size_t longestMatchEnd(const std::string& code, const Match& m) {
    const std::size_t blanks = m.begin() + kImportLength;
    const std::size_t semicolon = m.group(1).end;
    std::size_t word = blanks; // the name after its white space
    while (word < semicolon && isBlank(code[word]))
        ++word;
    const std::size_t wordLength = semicolon - word;
    const std::size_t spareBlanks = word - blanks - 1; // the keyword needs one of them

    std::optional<std::size_t> mostBlanks;
    std::size_t end = m.end();
    for (std::size_t at = semicolon + 1; at < code.size(); ++at) {
        if (code.compare(at, kImportLength, kImport) == 0) {
            const std::size_t repeatBlanks = at + kImportLength;
            std::size_t repeatWord = repeatBlanks;
            while (repeatWord < code.size() && isBlank(code[repeatWord]))
                ++repeatWord;
            const std::size_t repeatSemicolon = repeatWord + wordLength;
            if (repeatWord > repeatBlanks && repeatSemicolon < code.size() &&
                code[repeatSemicolon] == ';' &&
                code.compare(repeatWord, wordLength, code, word, wordLength) == 0) {
                std::size_t shared = 0;
                while (shared < spareBlanks && shared + 1 < repeatWord - repeatBlanks &&
                       code[repeatWord - 1 - shared] == code[word - 1 - shared])
                    ++shared;
                const bool nameNotEmpty = shared > 0 || wordLength > 0;
                if (nameNotEmpty && (!mostBlanks || shared > *mostBlanks)) {
                    mostBlanks = shared;
                    end = repeatSemicolon + 1;
                    if (shared == spareBlanks)
                        break; // no name can keep more
                }
            }
        }
        if (code[at] == '(' || code[at] == '{')
            break;
    }
    return end;
}
} // namespace

DefectList DuplicateImportRule::checkCode(const std::string& code,
                                          const std::string& fileName) const {
    return collectDefects(kNumber, [&](DefectList& defects) {
        LineCounter lines(code);
        forEachMatch(kRepeatedImport, code, [&](const Match& m) -> Resume {
            defects.push_back({fileName, lines.lineAt(longestMatchEnd(code, m)), kMessage});
            // Before the first import's semicolon: the repetition can itself start the
            // next match.
            return m.group(1).end;
        });
    });
}

} // namespace products::quarvel::rule
