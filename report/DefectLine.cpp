#include "report/DefectLine.h"

#include <limits>

namespace report {
namespace {
using products::quarvel::rule::findRule;
using products::quarvel::rule::givesMessage;

constexpr std::string_view kRuleStart = " Rule(";
constexpr std::string_view kRuleEnd = ") ";
constexpr std::size_t kRuleDigits = 4;

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

/// The start of the line number that ends right before `end`, after its colon, or nothing.
std::optional<std::size_t> lineNumberStart(std::string_view text, std::size_t end) {
    std::size_t start = end;
    while (start > 0 && isDigit(text[start - 1]))
        --start;
    if (start == end || start == 0 || text[start - 1] != ':')
        return std::nullopt;
    return start;
}

std::optional<std::int32_t> parseLineNumber(std::string_view digits) {
    std::int64_t value = 0;
    for (const char c : digits) {
        value = value * 10 + (c - '0');
        if (value > std::numeric_limits<std::int32_t>::max())
            return std::nullopt;
    }
    if (value < 1)
        return std::nullopt;
    return static_cast<std::int32_t>(value);
}

std::optional<DefectLine> splitAt(std::string_view text, std::size_t ruleStart) {
    const std::size_t numberAt = ruleStart + kRuleStart.size();
    const std::size_t messageAt = numberAt + kRuleDigits + kRuleEnd.size();
    if (messageAt > text.size() || text.substr(numberAt + kRuleDigits, kRuleEnd.size()) != kRuleEnd)
        return std::nullopt;
    std::int32_t number = 0;
    for (std::size_t at = numberAt; at < numberAt + kRuleDigits; ++at) {
        if (!isDigit(text[at]))
            return std::nullopt;
        number = number * 10 + (text[at] - '0');
    }
    const auto* rule = findRule(number);
    const auto lineAt = lineNumberStart(text, ruleStart);
    if (rule == nullptr || !lineAt || *lineAt < 2) // a file name is never empty
        return std::nullopt;
    const auto line = parseLineNumber(text.substr(*lineAt, ruleStart - *lineAt));
    const std::string_view message = text.substr(messageAt);
    if (!line || !givesMessage(*rule, message))
        return std::nullopt;
    return DefectLine{text.substr(0, *lineAt - 1), *line, rule, message};
}
} // namespace

std::optional<DefectLine> parseDefectLine(std::string_view text) {
    for (std::size_t at = text.find(kRuleStart); at != std::string_view::npos;
         at = text.find(kRuleStart, at + 1)) {
        if (auto defect = splitAt(text, at))
            return defect;
    }
    return std::nullopt;
}

bool looksLikeCutDefectLine(std::string_view text) {
    for (std::size_t at = text.find(kRuleStart); at != std::string_view::npos;
         at = text.find(kRuleStart, at + 1)) {
        if (lineNumberStart(text, at))
            return true;
    }
    return false;
}

} // namespace report
