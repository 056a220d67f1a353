#include "products/quarvel/rule/DeadCodeRule.h"

#include "products/quarvel/rule/PatternSearch.h"

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

bool isBlank(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

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

/// The first position at or after a given one holding `byte`. The answer for one position
/// serves every later position up to it, so candidates sharing one byte do not scan to it
/// again.
class NextByte {
  public:
    NextByte(const std::string& code, char byte) : code_(code), byte_(byte) {}
    std::size_t from(std::size_t position) {
        if (position < askedFrom_ || position > found_) {
            askedFrom_ = position;
            found_ = code_.find(byte_, position);
        }
        return found_;
    }

  private:
    const std::string& code_;
    char byte_;
    std::size_t askedFrom_ = 1; // with found_ 0: nothing known yet
    std::size_t found_ = 0;
};

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
std::optional<std::size_t> falseForEnd(const std::string& code, std::size_t at,
                                       NextByte& semicolons, NextByte& closes) {
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
        NextByte semicolons(code, ';');
        NextByte closes(code, ')');
        std::size_t nextIf = code.find("if");
        std::size_t nextWhile = code.find("while");
        std::size_t nextFor = code.find("for");
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
                nextIf = code.find("if", resume);
            if (nextWhile < resume)
                nextWhile = code.find("while", resume);
            if (nextFor < resume)
                nextFor = code.find("for", resume);
        }
    });
}

} // namespace products::quarvel::rule
