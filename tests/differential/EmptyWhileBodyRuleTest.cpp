// Rule 1017 finds its headers by hand ("while" after blanks, braces or semicolons and before
// a parenthesis), finds the header's end through the bracket index, and walks back from
// the keyword to tell the while that closes a do statement; here it is compared with the
// plain algorithm: the patterns tried at every position, the parenthesis scan, and the walk
// back as defined.
#include "tests/differential/BlockRuleReference.h"
#include "tests/support/RuleHarness.h"

#include <gtest/gtest.h>

#include <rapidcheck/gtest.h>

namespace {

using namespace quarvel::testing;
using products::quarvel::rule::DefectList;

const Pattern kWhileHeader(R"([\s\{\};]+(while\s*\(.))");

/// Where the walk back from a while keyword stops.
enum class WalkEnd { ClosingBrace, SecondLineFeed, OtherByte, TextStart };

/// From the byte before the keyword towards the start of the text: spaces, tabs and carriage
/// returns are passed, and the first line feed; the walk stops at a second line feed, at any
/// other byte, or at the text's first byte, which is not looked at.
WalkEnd walkBack(const std::string& code, std::size_t keyword) {
    int lineFeeds = 0;
    for (std::size_t i = keyword - 1; i >= 1; --i) {
        const char c = code[i];
        if (c == ' ' || c == '\t' || c == '\r')
            continue;
        if (c == '\n' && lineFeeds++ == 0)
            continue;
        if (c == '\n')
            return WalkEnd::SecondLineFeed;
        return c == '}' ? WalkEnd::ClosingBrace : WalkEnd::OtherByte;
    }
    return WalkEnd::TextStart;
}

struct WhileReach : Reach {
    std::size_t walkEnds[4] = {};
    /// Walks that reached the start of a text whose first byte is a '}', which must not count.
    std::size_t unlookedBraces = 0;
};

DefectList plainEmptyWhiles(const std::string& raw, WhileReach* reach = nullptr) {
    return plainEmptyStatements(
        kWhileHeader, raw, "while statement with empty body.",
        [&](const std::string& code, std::size_t keyword) {
            const WalkEnd end = walkBack(code, keyword);
            if (reach) {
                ++reach->walkEnds[static_cast<int>(end)];
                reach->unlookedBraces += end == WalkEnd::TextStart && code[0] == '}' ? 1 : 0;
            }
            return end == WalkEnd::ClosingBrace;
        },
        reach);
}

rc::Gen<std::string> whileTexts() {
    return textOf(withBlanks({" while (x);",
                              "while",
                              "(",
                              ")",
                              ";",
                              "{",
                              "}",
                              "do {",
                              "} while (x);",
                              "}\nwhile (x);",
                              "}\n\nwhile (x);",
                              " while (",
                              "};while(",
                              "\twhile\v(",
                              "a(b)",
                              "x",
                              "whilex (",
                              "\n\n",
                              "}\r\n \twhile(x);",
                              "do x(); while (y);"}));
}

// Nested parentheses after "while", with long stretches between them.
rc::Gen<std::string> nestedWhileTexts() {
    return deeplyNested({" while (", "(", "}while(f(", "\n;while ((", "}\n while ()"},
                        {"a, b", " ", "\n", "x", "g()", "\t", ";", "}",
                         "/* a comment that the code view blanks */", "} while (x) ;"},
                        {")", ");", ") ;", ")\n;", "))", ") {}"});
}

rc::Gen<std::string> texts() {
    return rc::gen::oneOf(whileTexts(), nestedWhileTexts());
}

RC_GTEST_PROP(EmptyWhileBodyRule, FindsWhatThePlainAlgorithmFinds, ()) {
    const std::string raw = *texts();
    RC_ASSERT(describe(runRule(1017, raw)) == describe(plainEmptyWhiles(raw)));
}

TEST(EmptyWhileBodyRule, GeneratedTextsReportWhilesReachEveryWalkEndAndTheBracketIndex) {
    std::size_t reported = 0;
    std::size_t indexed = 0;
    std::size_t walkEnds[4] = {};
    std::size_t unlookedBraces = 0;
    for (const std::string& raw : sampleOf(texts(), 300)) {
        WhileReach reach;
        reported += plainEmptyWhiles(raw, &reach).size();
        indexed += reach.indexedAnswers > 1 ? 1 : 0;
        for (int end = 0; end < 4; ++end)
            walkEnds[end] += reach.walkEnds[end];
        unlookedBraces += reach.unlookedBraces;
    }
    EXPECT_GT(reported, 400u);
    EXPECT_GT(indexed, 80u);
    EXPECT_GT(walkEnds[static_cast<int>(WalkEnd::ClosingBrace)], 900u);
    EXPECT_GT(walkEnds[static_cast<int>(WalkEnd::SecondLineFeed)], 50u);
    EXPECT_GT(walkEnds[static_cast<int>(WalkEnd::OtherByte)], 300u);
    EXPECT_GT(walkEnds[static_cast<int>(WalkEnd::TextStart)], 15u);
    EXPECT_GT(unlookedBraces, 10u);
}

} // namespace
