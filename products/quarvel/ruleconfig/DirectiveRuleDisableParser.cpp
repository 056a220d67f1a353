#include "products/quarvel/ruleconfig/DirectiveRuleDisableParser.h"

#include "exceptions/Exception.h"
#include "products/quarvel/ruleconfig/RuleConfigException.h"
#include "util/StringHelper.h"
#include "util/parser/StringTokenizerImpl.h"
#include "util/parser/compiler/syntaxhighlighter/CodeStripper.h"

#include <algorithm>
#include <cstdint>
#include <limits>
#include <string>

namespace products::quarvel::ruleconfig {
namespace {

using util::parser::compiler::syntaxhighlighter::CodeStripper;

const char kConfigurationDirective[] = "disable(";
const char kSourceDirective[] = "quarvel disable(";

bool isAsciiSpace(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

/// Reads a number as atoi does (leading white space, an optional sign, then digits up to the
/// first other byte; no digits give 0), except that a value beyond 32 bits is clamped to the
/// nearest 32-bit value instead of being undefined.
std::int32_t clampedAtoi(const std::string& text) {
    constexpr std::int64_t kMagnitudeLimit =
        -static_cast<std::int64_t>(std::numeric_limits<std::int32_t>::min());
    std::size_t i = 0;
    while (i < text.size() && isAsciiSpace(text[i]))
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    std::int64_t magnitude = 0;
    for (; i < text.size() && isDigit(text[i]); ++i) {
        magnitude = magnitude * 10 + (text[i] - '0');
        if (magnitude > kMagnitudeLimit)
            magnitude = kMagnitudeLimit; // stays small enough for the next step
    }
    if (negative)
        return static_cast<std::int32_t>(-magnitude);
    return static_cast<std::int32_t>(
        std::min<std::int64_t>(magnitude, std::numeric_limits<std::int32_t>::max()));
}

/// The rule number of a directive; a text that does not name a number throws.
std::int32_t ruleNumberOf(const std::string& numberText) {
    if (numberText.empty())
        throw exceptions::NumberFormatException(
            "The empty string cannot be parsed into an integer");
    if (numberText == "0")
        return 0;
    const std::int32_t value = clampedAtoi(numberText);
    if (value == 0)
        throw exceptions::NumberFormatException("Error parsing the string [" + numberText +
                                                "] to an integer");
    return value;
}

} // namespace

// Lines are the non-empty runs between line feeds and carriage returns; only the first
// directive of a line counts, and only when its closing parenthesis is on the same line.
// Messages name the directive's line in the file.
std::vector<std::int32_t> DirectiveRuleDisableParser::parse(const std::string& text,
                                                            int mode) const {
    const bool configuration = mode == kConfigurationMode;
    const std::string directive = configuration ? kConfigurationDirective : kSourceDirective;
    // The views only blank bytes, and a directive holds no byte that a blanked byte could
    // stand for where it stands, so a text without the directive has no directive in its
    // view: most sources are decided without classifying them.
    if (text.find(directive) == std::string::npos)
        return {};
    const std::string view = configuration ? CodeStripper::makeConfigView(text)
                                           : CodeStripper::makeAllCommentsView(text);

    std::vector<std::int32_t> disabled;
    util::parser::StringTokenizerImpl lines(view, "\n\r");
    while (lines.hasMoreTokens()) {
        const std::size_t lineStart = lines.nextTokenPosition();
        const std::string line = lines.nextToken();
        const std::size_t at = line.find(directive);
        if (at == std::string::npos)
            continue;
        const std::size_t close = line.find(')', at);
        if (close == std::string::npos)
            continue;
        const std::size_t numberStart = at + directive.size();
        const std::string numberText = line.substr(numberStart, close - numberStart);

        std::int32_t value = 0;
        try {
            value = ruleNumberOf(numberText);
        } catch (const exceptions::NumberFormatException& e) {
            throw RuleConfigException(
                "Could not convert the string describing the warning to an integer. Line: " +
                std::to_string(util::lineNumberAt(view, lineStart)) +
                ". Detailed information: " + e.getMessage());
        }
        if (value < 0)
            throw RuleConfigException("Negative warnings no allowed. Line: " +
                                      std::to_string(util::lineNumberAt(view, lineStart)) + ".");
        disabled.push_back(value);
    }
    return disabled;
}

} // namespace products::quarvel::ruleconfig
