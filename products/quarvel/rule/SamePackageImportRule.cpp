#include "products/quarvel/rule/SamePackageImportRule.h"

#include "products/quarvel/rule/PatternSearch.h"

#include <algorithm>

namespace products::quarvel::rule {
namespace {
const Pattern kSamePackageImport(R"(package\s+([^;]+);[^\(\{]*?import\s+\1\.[^\.]+;)",
                                 {{"package"}});
const char kMessage[] = "Importing classes from current package.";
const std::string kPackageWord = "package";
const std::string kImportWord = "import";

bool isSpaceByte(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

std::size_t skipSpaces(const std::string& code, std::size_t at) {
    while (at < code.size() && isSpaceByte(code[at]))
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

/// For an import whose package name (followed by its dot) starts at `nameStart`: the end of
/// "\.[^\.]+;" after the name, taking the last semicolon before the next dot, or nullopt.
std::optional<std::size_t> importEnd(const std::string& code, std::size_t nameStart,
                                     const std::string& name) {
    const std::size_t dot = nameStart + name.size();
    if (code.compare(nameStart, name.size(), name) != 0 || dot >= code.size() || code[dot] != '.')
        return std::nullopt;
    const std::size_t partStart = dot + 1;
    const std::size_t nextDot = std::min(code.find('.', partStart), code.size());
    if (nextDot < partStart + 2)
        return std::nullopt; // room for one byte and the semicolon
    const std::size_t semicolon = code.rfind(';', nextDot - 1);
    if (semicolon == std::string::npos || semicolon < partStart + 1)
        return std::nullopt;
    return semicolon + 1;
}

/// The end of the longest match that starts at the package word at `begin` (the search's own
/// match, ending at `fallback`, is one of them).
///
/// The group may begin inside the white space after "package" (leaving at least one byte of
/// it), so it can carry some of that white space in front of the name. An import then has to
/// end its own white space with exactly those bytes. For each import the lazy stretch can
/// reach, the leads it accepts are 0 up to some maximum, and a lead is matched by the first
/// import that accepts it; more lead can only move the match to a later import. So the first
/// import that accepts a lead no earlier one accepted opens a new candidate match. Which lead
/// wins among equally long matches changes nothing that is reported.
std::size_t chosenMatchEnd(const std::string& code, std::size_t begin, std::size_t semicolon,
                           std::size_t fallback) {
    const std::size_t spaceBegin = begin + kPackageWord.size();
    const std::size_t nameBegin = skipSpaces(code, spaceBegin);
    const std::string name = code.substr(nameBegin, semicolon - nameBegin);
    const std::size_t maxLead = nameBegin - spaceBegin - 1;
    const std::size_t minLead = name.empty() ? 1 : 0; // the group is never empty
    const std::size_t stretchEnd = std::min(code.find_first_of("({", semicolon + 1), code.size());

    std::size_t bestEnd = fallback;
    std::optional<std::size_t> acceptedLead; // the largest lead accepted so far
    for (std::size_t at = code.find(kImportWord, semicolon + 1); at < stretchEnd;
         at = code.find(kImportWord, at + 1)) {
        const std::size_t spaceStart = at + kImportWord.size();
        const std::size_t importName = skipSpaces(code, spaceStart);
        if (importName == spaceStart)
            continue;
        const std::size_t lead =
            std::min({commonSuffixLength(code, spaceBegin, nameBegin, spaceStart, importName),
                      importName - spaceStart - 1, maxLead});
        if (lead < minLead || (acceptedLead && lead <= *acceptedLead))
            continue;
        if (const auto end = importEnd(code, importName, name)) {
            bestEnd = std::max(bestEnd, *end);
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
        forEachMatch(kSamePackageImport, code, [&](const Match& m) -> Resume {
            const std::size_t end = chosenMatchEnd(code, m.begin(), m.group(1).end, m.end());
            defects.push_back({fileName, lines.lineAt(end), kMessage});
            return end;
        });
    });
}

} // namespace products::quarvel::rule
