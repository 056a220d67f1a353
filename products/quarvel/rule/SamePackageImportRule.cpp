#include "products/quarvel/rule/SamePackageImportRule.h"

#include "products/quarvel/search/ImportIndex.h"
#include "products/quarvel/search/PatternSearch.h"
#include "products/quarvel/search/TextScan.h"

#include <algorithm>
#include <optional>

namespace products::quarvel::rule {

using namespace search;

namespace {
// The rule is the pattern "package\s+([^;]+);[^\(\{]*?import\s+\1\.[^\.]+;", searched by
// hand: the lazy stretch made a pattern search try every later import for every package
// declaration. Instead every import is indexed once by the one name it can repeat, and a
// declaration looks only at the imports of its own name.
const std::string kPackageWord = "package";
const LiteralFinder kPackageWordFinder(kPackageWord);

/// Bytes shared by the ends of code[aBegin, aEnd) and code[bBegin, bEnd).
std::size_t commonSuffixLength(const std::string& code, std::size_t aBegin, std::size_t aEnd,
                               std::size_t bBegin, std::size_t bEnd) {
    std::size_t length = 0;
    while (aEnd - length > aBegin && bEnd - length > bBegin &&
           code[aEnd - length - 1] == code[bEnd - length - 1])
        ++length;
    return length;
}

/// The package name an import can repeat ends where "\.[^\.]+;" can follow it: the name
/// holds no ';', and the last part needs a dot with no other dot before the next ';', so
/// that dot is the last one before the first ';' after the name. Imports that share that
/// ';' share the dot, which is looked for once.
class PackageNameEnds {
  public:
    explicit PackageNameEnds(const std::string& code) : code_(code), semicolons_(code, ";") {}
    std::size_t of(std::size_t name) {
        const std::size_t semicolon = semicolons_.from(name);
        if (semicolon == kNoPosition)
            return ImportIndex::kNoKey;
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
        return lastDot_ != kNoPosition && lastDot_ >= name ? lastDot_ : ImportIndex::kNoKey;
    }

  private:
    const std::string& code_;
    NextOf semicolons_;
    std::size_t lastSemicolon_ = kNoPosition; // the first ';' after the last name asked for
    std::size_t lastDot_ = kNoPosition;       // the last dot before it, if after that name
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
    const std::size_t nameBegin = skipBlanks(code, spaceBegin);
    const std::size_t nameLength = semicolon - nameBegin;
    const std::size_t maxLead = nameBegin - spaceBegin - 1;
    const std::size_t minLead = nameLength == 0 ? 1 : 0; // the group is never empty

    std::optional<std::size_t> bestEnd;
    std::optional<std::size_t> acceptedLead; // the largest lead accepted so far
    for (const IndexedImport& import :
         index.repeating(nameBegin, semicolon, semicolon, stretchEnd)) {
        const std::size_t spaceStart = import.keyword + ImportIndex::kKeywordLength;
        const std::size_t lead =
            std::min({commonSuffixLength(code, spaceBegin, nameBegin, spaceStart, import.name),
                      import.name - spaceStart - 1, maxLead});
        if (lead < minLead || (acceptedLead && lead <= *acceptedLead))
            continue;
        if (code.compare(import.name, nameLength, code, nameBegin, nameLength) != 0)
            continue; // the same hash only
        if (const auto end = importEnds.after(import.keyEnd)) {
            bestEnd = std::max(bestEnd.value_or(0), *end);
            acceptedLead = lead;
            if (lead == maxLead)
                break;
        }
    }
    return bestEnd;
}
} // namespace

void SamePackageImportRule::checkCode(const std::string& code, DefectListener& defects) const {
    guardSearch(kNumber, [&] {
        LineCounter lines(code);
        NextOf semicolons(code, ";");
        NextOf stretchEnds(code, "({");
        PackageNameEnds packageNameEnds(code);
        std::optional<ImportIndex> index;
        std::optional<ImportEnds> importEnds;
        for (std::size_t start = kPackageWordFinder.find(code, 0); start != kNoPosition;) {
            const std::size_t spaceBegin = start + kPackageWord.size();
            const std::size_t nameBegin = skipBlanks(code, spaceBegin);
            std::optional<std::size_t> end;
            if (nameBegin > spaceBegin) {
                const std::size_t semicolon = semicolons.from(nameBegin);
                if (semicolon == kNoPosition)
                    break; // no declaration from here on has a name
                if (semicolon > spaceBegin + 1) {
                    if (!index) {
                        index.emplace(code,
                                      [&](std::size_t name) { return packageNameEnds.of(name); });
                        importEnds.emplace(code);
                    }
                    const std::size_t stretchEnd =
                        std::min(stretchEnds.from(semicolon + 1), code.size());
                    end = chosenMatchEnd(code, *index, *importEnds, start, semicolon, stretchEnd);
                }
            }
            if (end)
                defects.onDefect(lines.lineAt(*end), kMessage);
            start = kPackageWordFinder.find(code, end ? *end : start + 1);
        }
    });
}

} // namespace products::quarvel::rule
