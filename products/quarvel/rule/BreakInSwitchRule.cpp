#include "products/quarvel/rule/BreakInSwitchRule.h"

#include "products/quarvel/rule/PatternSearch.h"
#include "util/AssertionReporter.h"
#include "util/parser/compiler/syntaxhighlighter/CodeStripper.h"

#include <algorithm>
#include <array>

namespace products::quarvel::rule {
namespace {
using util::parser::compiler::syntaxhighlighter::CodeStripper;

const Pattern kSwitch(R"(switch\s*\([^\{]+\{.)",
                      {Anchor("switch").thenAfter(ByteSet::whiteSpace(), 0, ByteSet::of("("))});
const Pattern kCaseSection(R"(case\s+[^:]*?:(.*?)(case\s+[^\s;:]*?:|default:))",
                           {Anchor("case").thenAfter(ByteSet::whiteSpace(), 1, ByteSet::any())});
const char kMessage[] = "No break statement found.";
const std::array<const char*, 4> kTerminators = {"break", "return", "throw", "continue"};
const std::array<const char*, 2> kFallThroughRemarks = {"fall through", "falls through"};
// The line reported with a failed check for a nested switch's closing brace. While the body's
// braces balance, which the enclosing switch's own scan guarantees, the check cannot fail.
constexpr int kNestedSwitchCheckLine = 38;

bool containsAny(const std::string& text, const char* const* first, const char* const* last) {
    return std::any_of(first, last,
                       [&](const char* word) { return text.find(word) != std::string::npos; });
}

/// Overwrites each switch nested in the body with spaces, so that its sections and its
/// break statements do not count for the enclosing switch.
void blankNestedSwitches(std::string& body) {
    forEachMatch(kSwitch, body, [&](const Match& m) -> Resume {
        const auto close = findMatchingClose(body, m.end() - 1, '{', '}');
        if (!close) {
            util::reportAssertion("nestedParenMatch != string::npos", __FILE__,
                                  kNestedSwitchCheckLine);
            return std::nullopt; // the rest of the body stays as it is
        }
        std::fill(body.begin() + static_cast<std::ptrdiff_t>(m.begin()),
                  body.begin() + static_cast<std::ptrdiff_t>(*close) + 1, ' ');
        return *close + 1;
    });
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
        forEachMatch(kSwitch, raw, [&](const Match& switchMatch) -> Resume {
            const std::size_t bodyStart = switchMatch.end() - 1; // the character after '{'
            const auto close = braces.matchingClose(bodyStart);
            if (!close)
                return switchMatch.end();
            std::string body = raw.substr(bodyStart, *close - bodyStart);
            blankNestedSwitches(body);
            forEachMatch(kCaseSection, body, [&](const Match& section) -> Resume {
                if (fallsThrough(section.groupText(body, 1)))
                    defects.push_back(
                        {fileName, lines.lineAt(bodyStart + section.begin()), kMessage});
                return section.group(2).begin; // the next label opens the next section
            });
            // Inside the body: the nested switches are examined in turn.
            return switchMatch.end();
        });
    });
}

} // namespace products::quarvel::rule
