#include "products/quarvel/rule/DeadCodeRule.h"

#include "products/quarvel/rule/PatternSearch.h"
#include "products/quarvel/rule/TextScan.h"

#include <algorithm>
#include <optional>

namespace products::quarvel::rule {
namespace {
// The definition of the rule. The search below finds exactly this pattern's matches by
// hand: the `for` alternative hides a scan to the next ';' at every candidate, which made
// the pattern search quadratic on long stretches of headers without one.
const Pattern kConstantFalseCondition(
    R"(if\s*\(\s*false\s*\)|while\s*\(\s*false\s*\)|for\s*\([^;]*;\s*false\s*;[^)]*\))",
    {{"if"}, {"while"}, {"for"}});
const char kMessage[] = "Dead code detected.";
const LiteralFinder kIfFinder("if");
const LiteralFinder kWhileFinder("while");
const LiteralFinder kForFinder("for");

std::size_t skipBlanks(const std::string& code, std::size_t at) {
    while (at < code.size() && isBlank(code[at]))
        ++at;
    return at;
}

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

DefectList DeadCodeRule::checkCode(const std::string& code, const std::string& fileName) const {
    return collectDefects(kNumber, [&](DefectList& defects) {
        LineCounter lines(code);
        NextOf semicolons(code, ";");
        NextOf closes(code, ")");
        std::size_t nextIf = kIfFinder.find(code, 0);
        std::size_t nextWhile = kWhileFinder.find(code, 0);
        std::size_t nextFor = kForFinder.find(code, 0);
        while (std::min({nextIf, nextWhile, nextFor}) != kNoPosition) {
            const std::size_t start = std::min({nextIf, nextWhile, nextFor});
            std::optional<std::size_t> end;
            if (start == nextIf)
                end = falseConditionEnd(code, start + 2);
            else if (start == nextWhile)
                end = falseConditionEnd(code, start + 5);
            else
                end = falseForEnd(code, start + 3, semicolons, closes);
            const std::size_t resume = end ? *end : start + 1;
            if (end)
                defects.push_back({fileName, lines.lineAt(start), kMessage});
            if (nextIf < resume)
                nextIf = kIfFinder.find(code, resume);
            if (nextWhile < resume)
                nextWhile = kWhileFinder.find(code, resume);
            if (nextFor < resume)
                nextFor = kForFinder.find(code, resume);
        }
    });
}

} // namespace products::quarvel::rule
