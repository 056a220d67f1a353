#include "products/quarvel/rule/SamePackageImportRule.h"

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
// stretch made the pattern search try every later import for every package declaration.
// Instead every import is indexed once by the one name it can repeat (the text before the
// last dot ahead of its first ';'), and a declaration looks only at the imports of its own
// name.
const Pattern kSamePackageImport(R"(package\s+([^;]+);[^\(\{]*?import\s+\1\.[^\.]+;)",
                                 {{"package"}});
const char kMessage[] = "Importing classes from current package.";
const std::string kPackageWord = "package";
const LiteralFinder kPackageWordFinder(kPackageWord);
const std::string kImportWord = "import";
const LiteralFinder kImportWordFinder(kImportWord);

std::size_t skipSpaces(const std::string& code, std::size_t at) {
    while (at < code.size() && isBlank(code[at]))
        ++at;
    return at;
}

/// Bytes shared by the ends of code[aBegin, aEnd) and code[bBegin, bEnd).
std::size_t commonSuffixLength(const std::string& code, std::size_t aBegin, std::size_t aEnd,
                               std::size_t bBegin, std::size_t bEnd) {
    std::size_t length = 0;
    while (aEnd - length > aBegin && bEnd - length > bBegin &&
           code[aEnd - length - 1] == code[bEnd - length - 1])
        ++length;
    return length;
}

/// An import that can repeat a package name: the keyword's position, the start of the name
/// after the white space, and the dot the package name must end at.
struct IndexedImport {
    std::size_t keyword;
    std::size_t name;
    std::size_t dot;
};

/// Every import with white space after the keyword, keyed by the length and hash of the one
/// package name it can repeat: "\.[^\.]+;" after that name needs a dot with no other dot
/// before the next ';', and the name holds no ';', so the dot is the last one before the
/// first ';' after the name. Each list is in increasing order.
class ImportIndex {
  public:
    explicit ImportIndex(const std::string& code)
        : code_(code), hashes_(code), semicolons_(code, ";"),
          next_(kImportWordFinder.find(code, 0)) {}

    /// The imports before `limit` whose package name may be the stretch [begin, end).
    /// Imports are indexed only as far as the limits asked for.
    const std::vector<IndexedImport>& repeating(std::size_t begin, std::size_t end,
                                                std::size_t limit) {
        for (; next_ != kNoPosition && next_ < limit;
             next_ = kImportWordFinder.find(code_, next_ + 1))
            add(next_);
        static const std::vector<IndexedImport> none;
        const auto found = imports_.find({end - begin, hashes_.of(begin, end)});
        return found == imports_.end() ? none : found->second;
    }

  private:
    void add(std::size_t at) {
        const std::size_t spaceStart = at + kImportWord.size();
        const std::size_t name = skipSpaces(code_, spaceStart);
        if (name == spaceStart)
            return;
        const std::size_t semicolon = semicolons_.from(name);
        if (semicolon == kNoPosition)
            return;
        if (semicolon != lastSemicolon_) {
            lastSemicolon_ = semicolon;
            lastDot_ = kNoPosition;
            for (std::size_t back = semicolon; back > name;) {
                if (code_[--back] == '.') {
                    lastDot_ = back;
                    break;
                }
            }
        }
        if (lastDot_ != kNoPosition && lastDot_ >= name)
            imports_[{lastDot_ - name, hashes_.of(name, lastDot_)}].push_back({at, name, lastDot_});
    }

  private:
    struct KeyHash {
        std::size_t operator()(const std::pair<std::size_t, std::uint64_t>& key) const {
            return static_cast<std::size_t>(key.second ^ (key.first * 0x9e3779b97f4a7c15ULL));
        }
    };
    const std::string& code_;
    StretchHashes hashes_;
    NextOf semicolons_;
    std::size_t next_;                        // the next import to index
    std::size_t lastSemicolon_ = kNoPosition; // the first ';' after the last indexed name
    std::size_t lastDot_ = kNoPosition;       // the last dot before it, if after that name
    std::unordered_map<std::pair<std::size_t, std::uint64_t>, std::vector<IndexedImport>, KeyHash>
        imports_;
};

/// The end of "\.[^\.]+;" at the dot of an import: the last ';' before the next dot.
class ImportEnds {
  public:
    explicit ImportEnds(const std::string& code) : code_(code), dots_(code, ".") {}
    std::optional<std::size_t> after(std::size_t dot) {
        const std::size_t partStart = dot + 1;
        const std::size_t nextDot = std::min(dots_.from(partStart), code_.size());
        if (nextDot != askedDot_) {
            askedDot_ = nextDot;
            semicolon_ = code_.rfind(';', nextDot - 1);
        }
        if (semicolon_ == std::string::npos || semicolon_ < partStart + 1)
            return std::nullopt;
        return semicolon_ + 1;
    }

  private:
    const std::string& code_;
    NextOf dots_;
    std::size_t askedDot_ = kNoPosition;
    std::size_t semicolon_ = kNoPosition;
};

/// The end of the longest match that starts at the package word at `begin`, whose group ends
/// at `semicolon`, or nullopt when the pattern does not match there.
///
/// The group may begin inside the white space after "package" (leaving at least one byte of
/// it), so it can carry some of that white space in front of the name. An import then has to
/// end its own white space with exactly those bytes. For each import the lazy stretch can
/// reach, the leads it accepts are 0 up to some maximum, and a lead is matched by the first
/// import that accepts it; more lead can only move the match to a later import. So the first
/// import that accepts a lead no earlier one accepted opens a new candidate match. Which lead
/// wins among equally long matches changes nothing that is reported.
std::optional<std::size_t> chosenMatchEnd(const std::string& code, ImportIndex& index,
                                          ImportEnds& importEnds, std::size_t begin,
                                          std::size_t semicolon, std::size_t stretchEnd) {
    const std::size_t spaceBegin = begin + kPackageWord.size();
    const std::size_t nameBegin = skipSpaces(code, spaceBegin);
    const std::size_t nameLength = semicolon - nameBegin;
    const std::size_t maxLead = nameBegin - spaceBegin - 1;
    const std::size_t minLead = nameLength == 0 ? 1 : 0; // the group is never empty

    std::optional<std::size_t> bestEnd;
    std::optional<std::size_t> acceptedLead; // the largest lead accepted so far
    const std::vector<IndexedImport>& imports = index.repeating(nameBegin, semicolon, stretchEnd);
    auto it = std::upper_bound(
        imports.begin(), imports.end(), semicolon,
        [](std::size_t position, const IndexedImport& i) { return position < i.keyword; });
    for (; it != imports.end() && it->keyword < stretchEnd; ++it) {
        const std::size_t spaceStart = it->keyword + kImportWord.size();
        const std::size_t lead =
            std::min({commonSuffixLength(code, spaceBegin, nameBegin, spaceStart, it->name),
                      it->name - spaceStart - 1, maxLead});
        if (lead < minLead || (acceptedLead && lead <= *acceptedLead))
            continue;
        if (code.compare(it->name, nameLength, code, nameBegin, nameLength) != 0)
            continue; // the same hash only
        if (const auto end = importEnds.after(it->dot)) {
            bestEnd = std::max(bestEnd.value_or(0), *end);
            acceptedLead = lead;
            if (lead == maxLead)
                break;
        }
    }
    return bestEnd;
}
} // namespace

DefectList SamePackageImportRule::checkCode(const std::string& code,
                                            const std::string& fileName) const {
    return collectDefects(kNumber, [&](DefectList& defects) {
        LineCounter lines(code);
        NextOf semicolons(code, ";");
        NextOf stretchEnds(code, "({");
        std::optional<ImportIndex> index;
        std::optional<ImportEnds> importEnds;
        for (std::size_t start = kPackageWordFinder.find(code, 0); start != kNoPosition;) {
            const std::size_t spaceBegin = start + kPackageWord.size();
            const std::size_t nameBegin = skipSpaces(code, spaceBegin);
            std::optional<std::size_t> end;
            if (nameBegin > spaceBegin) {
                const std::size_t semicolon = semicolons.from(nameBegin);
                if (semicolon == kNoPosition)
                    break; // no declaration from here on has a name
                if (semicolon > spaceBegin + 1) {
                    if (!index) {
                        index.emplace(code);
                        importEnds.emplace(code);
                    }
                    const std::size_t stretchEnd =
                        std::min(stretchEnds.from(semicolon + 1), code.size());
                    end = chosenMatchEnd(code, *index, *importEnds, start, semicolon, stretchEnd);
                }
            }
            if (end)
                defects.push_back({fileName, lines.lineAt(*end), kMessage});
            start = kPackageWordFinder.find(code, end ? *end : start + 1);
        }
    });
}

} // namespace products::quarvel::rule
