#include "products/quarvel/rule/DuplicateImportRule.h"

#include "products/quarvel/search/ImportIndex.h"
#include "products/quarvel/search/PatternSearch.h"
#include "products/quarvel/search/TextScan.h"

#include <algorithm>
#include <optional>

namespace products::quarvel::rule {

using namespace search;

namespace {
// The rule is the pattern "import\s+([^*;]+);[^\(\{]*?import\s+\1;", searched by hand: the
// lazy stretch made a pattern search try every later import for every import, which is
// quadratic in the number of imports. Instead every import's name is indexed once, and a
// candidate looks only at the later imports that repeat its name byte for byte.
const LiteralFinder kImportFinder(ImportIndex::kKeyword);
const std::size_t kImportLength = ImportIndex::kKeywordLength;

/// The end of the longest match that starts at the keyword at `start`, whose group ends at
/// `semicolon`, or nullopt when the pattern does not match there. When more than one
/// white-space byte follows the first "import", the name may also begin with all but one of
/// them, and the more of them it takes, the fewer imports repeat it. So the longest match is
/// the one whose name keeps the most leading white space that some later import still
/// repeats byte for byte, ending at the first import that does. The engine gives the name
/// as little white space as it can instead, which can end its match at an earlier import.
/// Only imports before the first '(' or '{' after the semicolon count.
std::optional<std::size_t> longestMatchEnd(const std::string& code, ImportIndex& index,
                                           std::size_t start, std::size_t semicolon,
                                           std::size_t stretchEnd) {
    const std::size_t blanks = start + kImportLength;
    const std::size_t word = skipBlanks(code, blanks, semicolon); // the name after its blanks
    const std::size_t wordLength = semicolon - word;
    const std::size_t spareBlanks = word - blanks - 1; // the keyword needs one of them

    std::optional<std::size_t> mostBlanks;
    std::optional<std::size_t> end;
    for (const IndexedImport& repeat : index.repeating(word, semicolon, semicolon, stretchEnd)) {
        if (code.compare(repeat.name, wordLength, code, word, wordLength) != 0)
            continue; // the same hash only
        const std::size_t repeatBlanks = repeat.keyword + kImportLength;
        std::size_t shared = 0;
        while (shared < spareBlanks && shared + 1 < repeat.name - repeatBlanks &&
               code[repeat.name - 1 - shared] == code[word - 1 - shared])
            ++shared;
        const bool nameNotEmpty = shared > 0 || wordLength > 0;
        if (nameNotEmpty && (!mostBlanks || shared > *mostBlanks)) {
            mostBlanks = shared;
            end = repeat.keyEnd + 1;
            if (shared == spareBlanks)
                break; // no name can keep more
        }
    }
    return end;
}
} // namespace

void DuplicateImportRule::checkCode(const std::string& code, DefectListener& defects) const {
    guardSearch(kNumber, [&] {
        LineCounter lines(code);
        NextOf nameEnds(code, "*;");
        NextOf indexedNameEnds(code, "*;");
        NextOf stretchEnds(code, "({");
        std::optional<ImportIndex> index;
        for (std::size_t start = kImportFinder.find(code, 0); start != kNoPosition;) {
            const std::size_t blanks = start + kImportLength;
            const std::size_t name = skipBlanks(code, blanks);
            std::optional<std::size_t> end;
            const std::size_t semicolon = name == blanks ? kNoPosition : nameEnds.from(name);
            if (name != blanks && semicolon == kNoPosition)
                break; // no import from here on has a name
            if (semicolon != kNoPosition && code[semicolon] == ';' && semicolon > blanks + 1) {
                if (!index) {
                    // An import is indexed by its name: up to the first '*' or ';', if a ';'.
                    index.emplace(code, [&](std::size_t indexedName) {
                        const std::size_t nameEnd = indexedNameEnds.from(indexedName);
                        return nameEnd != kNoPosition && code[nameEnd] == ';' ? nameEnd
                                                                              : ImportIndex::kNoKey;
                    });
                }
                const std::size_t stretchEnd =
                    std::min(stretchEnds.from(semicolon + 1), code.size());
                end = longestMatchEnd(code, *index, start, semicolon, stretchEnd);
            }
            if (end)
                defects.onDefect(lines.lineAt(*end), kMessage);
            // Before the first import's semicolon: the repetition can itself start the
            // next match.
            start = kImportFinder.find(code, end ? semicolon : start + 1);
        }
    });
}

} // namespace products::quarvel::rule
