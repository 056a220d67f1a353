#include "products/quarvel/rule/DeadCodeRule.h"

#include "products/quarvel/search/PatternSearch.h"
#include "products/quarvel/search/TextScan.h"

#include <algorithm>
#include <optional>

namespace products::quarvel::rule {

using namespace search;

namespace {
// The rule's pattern, whose matches the search below finds by hand:
// "if\s*\(\s*false\s*\)|while\s*\(\s*false\s*\)|for\s*\([^;]*;\s*false\s*;[^)]*\)".
// The `for` alternative hides a scan to the next ';' at every candidate, which made the
// pattern search quadratic on long stretches of headers without one.
const LiteralFinder kIfFinder("if");
const LiteralFinder kWhileFinder("while");
const LiteralFinder kForFinder("for");

/// True when `word` stands at `at`, and moves `at` past it.
bool take(const std::string& code, std::size_t& at, const char* word) {
    const std::size_t length = std::char_traits<char>::length(word);
    if (code.compare(at, length, word) != 0)
        return false;
    at += length;
    return true;
}

/// The end of "(if|while)\s*\(\s*false\s*\)" at `at`, past the keyword, or nullopt.
std::optional<std::size_t> falseConditionEnd(const std::string& code, std::size_t at) {
    at = skipBlanks(code, at);
    if (!take(code, at, "("))
        return std::nullopt;
    at = skipBlanks(code, at);
    if (!take(code, at, "false"))
        return std::nullopt;
    at = skipBlanks(code, at);
    if (!take(code, at, ")"))
        return std::nullopt;
    return at;
}

/// The end of "\s*\([^;]*;\s*false\s*;[^)]*\)" at `at`, past the keyword, or nullopt:
/// [^;]* can only end at the first ';' after the parenthesis and [^)]* at the first ')'
/// after the second ';'.
std::optional<std::size_t> falseForEnd(const std::string& code, std::size_t at, NextOf& semicolons,
                                       NextOf& closes) {
    at = skipBlanks(code, at);
    if (!take(code, at, "("))
        return std::nullopt;
    at = semicolons.from(at);
    if (at == kNoPosition)
        return std::nullopt;
    at = skipBlanks(code, at + 1);
    if (!take(code, at, "false"))
        return std::nullopt;
    at = skipBlanks(code, at);
    if (!take(code, at, ";"))
        return std::nullopt;
    at = closes.from(at);
    if (at == kNoPosition)
        return std::nullopt;
    return at + 1;
}
} // namespace

void DeadCodeRule::checkCode(const std::string& code, DefectListener& defects) const {
    guardSearch(kNumber, [&] {
        LineCounter lines(code);
        NextOf semicolons(code, ";");
        NextOf closes(code, ")");
        NextLiteral ifs(code, kIfFinder);
        NextLiteral whiles(code, kWhileFinder);
        NextLiteral fors(code, kForFinder);
        for (std::size_t from = 0;;) {
            const std::size_t nextIf = ifs.from(from);
            const std::size_t nextWhile = whiles.from(from);
            const std::size_t nextFor = fors.from(from);
            const std::size_t start = std::min({nextIf, nextWhile, nextFor});
            if (start == kNoPosition)
                return;
            std::optional<std::size_t> end;
            if (start == nextIf)
                end = falseConditionEnd(code, start + 2);
            else if (start == nextWhile)
                end = falseConditionEnd(code, start + 5);
            else
                end = falseForEnd(code, start + 3, semicolons, closes);
            if (end)
                defects.onDefect(lines.lineAt(start), kMessage);
            from = end ? *end : start + 1;
        }
    });
}

} // namespace products::quarvel::rule
