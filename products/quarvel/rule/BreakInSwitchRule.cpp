#include "products/quarvel/rule/BreakInSwitchRule.h"

#include "products/quarvel/rule/PatternSearch.h"
#include "products/quarvel/rule/TextScan.h"
#include "util/AssertionReporter.h"
#include "util/parser/compiler/syntaxhighlighter/CodeStripper.h"

#include <algorithm>
#include <array>

namespace products::quarvel::rule {
namespace {
using util::parser::compiler::syntaxhighlighter::CodeStripper;

// A switch is a match of "switch\s*\([^\{]+\{.": the word, optional white space, "(", at least
// one byte up to the first "{", the brace and one more byte. nextSwitch finds these directly.
const LiteralFinder kSwitchWord("switch");
const Pattern kCaseSection(R"(case\s+[^:]*?:(.*?)(case\s+[^\s;:]*?:|default:))",
                           {Anchor("case").thenAfter(ByteSet::whiteSpace(), 1, ByteSet::any())});
const char kMessage[] = "No break statement found.";
const std::array<const char*, 4> kTerminators = {"break", "return", "throw", "continue"};
const std::array<const char*, 2> kFallThroughRemarks = {"fall through", "falls through"};
// The line reported with a failed check for a nested switch's closing brace. While the body's
// braces balance, which the enclosing switch's own scan guarantees, the check cannot fail.
constexpr int kNestedSwitchCheckLine = 38;

/// The next switch match in [from, end of text): its start and its end, or nullopt.
std::optional<Span> nextSwitch(const std::string& text, std::size_t from, NextOf& openBraces) {
    for (std::size_t at = kSwitchWord.find(text, from); at != std::string::npos;
         at = kSwitchWord.find(text, at + 1)) {
        std::size_t open = at + 6;
        while (open < text.size() && isBlank(text[open]))
            ++open;
        if (open >= text.size() || text[open] != '(')
            continue;
        const std::size_t brace = openBraces.from(open + 1);
        if (brace == std::string::npos || brace + 1 >= text.size())
            return std::nullopt; // no later switch has a body either
        if (brace > open + 1)
            return Span{at, brace + 2};
    }
    return std::nullopt;
}

bool containsAny(const std::string& text, const char* const* first, const char* const* last) {
    return std::any_of(first, last,
                       [&](const char* word) { return text.find(word) != std::string::npos; });
}

/// Overwrites each switch nested in the body with spaces, so that its sections and its
/// break statements do not count for the enclosing switch.
void blankNestedSwitches(std::string& body) {
    // Blanking only touches what lies before the next search, so the brace positions that
    // openBraces remembers stay true.
    NextOf openBraces(body, "{");
    for (std::size_t from = 0; const auto m = nextSwitch(body, from, openBraces);) {
        const auto close = findMatchingClose(body, m->end - 1, '{', '}');
        if (!close) {
            util::reportAssertion("nestedParenMatch != string::npos", __FILE__,
                                  kNestedSwitchCheckLine);
            return; // the rest of the body stays as it is
        }
        std::fill(body.begin() + static_cast<std::ptrdiff_t>(m->begin),
                  body.begin() + static_cast<std::ptrdiff_t>(*close) + 1, ' ');
        from = *close + 1;
    }
}

/// True when the section does something and then runs into the next label.
bool fallsThrough(const std::string& section) {
    const std::string code = CodeStripper::makeCodeView(section, ' ');
    return code.find(';') != std::string::npos &&
           !containsAny(code, kTerminators.begin(), kTerminators.end()) &&
           !containsAny(section, kFallThroughRemarks.begin(), kFallThroughRemarks.end());
}
} // namespace

DefectList BreakInSwitchRule::checkRaw(const std::string& raw, const std::string& fileName) const {
    return collectDefects(kNumber, [&](DefectList& defects) {
        LineCounter lines(raw);
        BracketIndex braces(raw, '{', '}');
        NextOf openBraces(raw, "{");
        for (std::size_t from = 0; const auto switchMatch = nextSwitch(raw, from, openBraces);) {
            // Inside the body: the nested switches are examined in turn.
            from = switchMatch->end;
            const std::size_t bodyStart = switchMatch->end - 1; // the character after '{'
            const auto close = braces.matchingClose(bodyStart);
            if (!close)
                continue;
            std::string body = raw.substr(bodyStart, *close - bodyStart);
            blankNestedSwitches(body);
            forEachMatch(kCaseSection, body, [&](const Match& section) -> Resume {
                if (fallsThrough(section.groupText(body, 1)))
                    defects.push_back(
                        {fileName, lines.lineAt(bodyStart + section.begin()), kMessage});
                return section.group(2).begin; // the next label opens the next section
            });
        }
    });
}

} // namespace products::quarvel::rule
