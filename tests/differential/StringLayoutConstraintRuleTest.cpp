// Rule 1040 does not run its pattern: it finds each ".add(" and the first ';' after it, and
// looks for the literals between them by hand. Here it is compared with the pattern searched
// with the plain loop over the raw text.
#include "tests/support/Generators.h"
#include "tests/support/PlainSearch.h"
#include "tests/support/RuleHarness.h"

#include <gtest/gtest.h>

#include <rapidcheck/gtest.h>

namespace {

using namespace quarvel::testing;
using products::quarvel::rule::DefectList;

const Pattern kAddWithConstraint(R"(\.add\([^;]*("Center"|"North"|"East"|"West"|"South")[^;]*\);)");
const char kMessage[] = "Do not use String literals when adding components.";

DefectList plainStringConstraints(const std::string& raw) {
    DefectList defects;
    plainForEachMatch(kAddWithConstraint, raw, [&](const Match& m) -> Resume {
        defects.push_back({"T.java", plainLineAt(raw, m.begin()), kMessage});
        return m.end();
    });
    return defects;
}

// Calls and their pieces: every literal, near misses, parentheses and semicolons in any order,
// several calls before one semicolon, and calls in comments, which count too.
rc::Gen<std::string> addTexts() {
    return textOf({".add(",
                   "\"North\"",
                   ";",
                   ")",
                   " ",
                   "\n",
                   "x",
                   ", ",
                   "\"Center\"",
                   "\"East\"",
                   "\"West\"",
                   "\"South\"",
                   "\"Nort\"",
                   "North",
                   "(",
                   "\"",
                   ");",
                   ".add",
                   "panel.add(button, \"North\");",
                   "panel.add(button, BorderLayout.NORTH);",
                   "/* p.add(b, \"West\"); */",
                   "abcdefghijklmnopqrstuvwxyz"});
}

RC_GTEST_PROP(StringLayoutConstraintRule, FindsWhatThePlainAlgorithmFinds, ()) {
    const std::string raw = *addTexts();
    RC_ASSERT(describe(runRule(1040, raw)) == describe(plainStringConstraints(raw)));
}

TEST(StringLayoutConstraintRule, GeneratedTextsReachTheCases) {
    std::size_t reported = 0;
    std::size_t sharedSemicolons = 0;     // a reported call with another ".add(" inside it
    std::size_t closeBeforeSemicolon = 0; // ")" right before the ';' but no literal fits
    for (const std::string& raw : sampleOf(addTexts(), 300)) {
        plainForEachMatch(kAddWithConstraint, raw, [&](const Match& m) -> Resume {
            ++reported;
            const std::string text = raw.substr(m.begin(), m.end() - m.begin());
            sharedSemicolons += text.find(".add(", 1) != std::string::npos;
            return m.end();
        });
        for (std::size_t at = raw.find(".add("); at != std::string::npos;
             at = raw.find(".add(", at + 1)) {
            const std::size_t semicolon = raw.find(';', at);
            closeBeforeSemicolon += semicolon != std::string::npos && raw[semicolon - 1] == ')' &&
                                    !plainSearch(kAddWithConstraint, raw, at, semicolon + 1);
        }
    }
    EXPECT_GT(reported, 300u);
    EXPECT_GT(sharedSemicolons, 60u);
    EXPECT_GT(closeBeforeSemicolon, 150u);
}

} // namespace
