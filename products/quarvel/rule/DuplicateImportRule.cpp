#include "products/quarvel/rule/DuplicateImportRule.h"

#include "products/quarvel/rule/PatternSearch.h"
#include "products/quarvel/rule/TextScan.h"

#include <algorithm>
#include <cstdint>
#include <optional>
#include <unordered_map>
#include <utility>
#include <vector>

namespace products::quarvel::rule {
namespace {
// The definition of the rule. The search below gives its matches by hand: the lazy
// stretch made the pattern search try every later import for every import, which is
// quadratic in the number of imports. Instead every import's name is indexed once, and a
// candidate looks only at the later imports that repeat its name byte for byte.
const Pattern kRepeatedImport(R"(import\s+([^*;]+);[^\(\{]*?import\s+\1;)", {{"import"}});
const char kMessage[] = "Duplicate import statement.";
const char kImport[] = "import";
const LiteralFinder kImportFinder(kImport);
const std::size_t kImportLength = sizeof(kImport) - 1;

/// Every import that can repeat a name: "import", white space, then a name that the first
/// '*' or ';' after it ends, and that is a ';'. Keyed by the name's length and hash; each
/// list holds the keywords' positions in increasing order.
class ImportIndex {
  public:
    explicit ImportIndex(const std::string& code)
        : code_(code), hashes_(code), ends_(code, "*;"), next_(kImportFinder.find(code, 0)) {}

    /// The keywords of the imports before `limit` whose name may be the stretch
    /// [begin, end). Imports are indexed only as far as the limits asked for.
    const std::vector<std::size_t>& repeating(std::size_t begin, std::size_t end,
                                              std::size_t limit) {
        for (; next_ != kNoPosition && next_ < limit; next_ = kImportFinder.find(code_, next_ + 1))
            add(next_);
        static const std::vector<std::size_t> none;
        const auto found = imports_.find({end - begin, hashes_.of(begin, end)});
        return found == imports_.end() ? none : found->second;
    }

  private:
    void add(std::size_t at) {
        const std::size_t blanks = at + kImportLength;
        std::size_t name = blanks;
        while (name < code_.size() && isBlank(code_[name]))
            ++name;
        if (name == blanks)
            return;
        const std::size_t end = ends_.from(name);
        if (end != kNoPosition && code_[end] == ';')
            imports_[{end - name, hashes_.of(name, end)}].push_back(at);
    }

  private:
    struct KeyHash {
        std::size_t operator()(const std::pair<std::size_t, std::uint64_t>& key) const {
            return static_cast<std::size_t>(key.second ^ (key.first * 0x9e3779b97f4a7c15ULL));
        }
    };
    const std::string& code_;
    StretchHashes hashes_;
    NextOf ends_;
    std::size_t next_; // the next import to index
    std::unordered_map<std::pair<std::size_t, std::uint64_t>, std::vector<std::size_t>, KeyHash>
        imports_;
};

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
    std::size_t word = blanks; // the name after its white space
    while (word < semicolon && isBlank(code[word]))
        ++word;
    const std::size_t wordLength = semicolon - word;
    const std::size_t spareBlanks = word - blanks - 1; // the keyword needs one of them

    const std::vector<std::size_t>& repeats = index.repeating(word, semicolon, stretchEnd);
    std::optional<std::size_t> mostBlanks;
    std::optional<std::size_t> end;
    for (auto it = std::upper_bound(repeats.begin(), repeats.end(), semicolon);
         it != repeats.end() && *it < stretchEnd; ++it) {
        const std::size_t repeatBlanks = *it + kImportLength;
        std::size_t repeatWord = repeatBlanks;
        while (isBlank(code[repeatWord]))
            ++repeatWord;
        const std::size_t repeatSemicolon = repeatWord + wordLength;
        if (code.compare(repeatWord, wordLength, code, word, wordLength) != 0)
            continue; // the same hash only
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
    return end;
}
} // namespace

DefectList DuplicateImportRule::checkCode(const std::string& code,
                                          const std::string& fileName) const {
    return collectDefects(kNumber, [&](DefectList& defects) {
        LineCounter lines(code);
        NextOf nameEnds(code, "*;");
        NextOf stretchEnds(code, "({");
        std::optional<ImportIndex> index;
        for (std::size_t start = kImportFinder.find(code, 0); start != kNoPosition;) {
            const std::size_t blanks = start + kImportLength;
            std::size_t name = blanks;
            while (name < code.size() && isBlank(code[name]))
                ++name;
            std::optional<std::size_t> end;
            const std::size_t semicolon = name == blanks ? kNoPosition : nameEnds.from(name);
            if (name != blanks && semicolon == kNoPosition)
                break; // no import from here on has a name
            if (semicolon != kNoPosition && code[semicolon] == ';' && semicolon > blanks + 1) {
                if (!index)
                    index.emplace(code);
                const std::size_t stretchEnd =
                    std::min(stretchEnds.from(semicolon + 1), code.size());
                end = longestMatchEnd(code, *index, start, semicolon, stretchEnd);
            }
            if (end)
                defects.push_back({fileName, lines.lineAt(*end), kMessage});
            // Before the first import's semicolon: the repetition can itself start the
            // next match.
            start = kImportFinder.find(code, end ? semicolon : start + 1);
        }
    });
}

} // namespace products::quarvel::rule
