#include "tests/unit/TemporaryFolder.h"
#include "util/parser/StringTokenizerImpl.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using util::parser::StringTokenizer;
using util::parser::StringTokenizerImpl;

namespace {

using Tokens = std::vector<std::string>;

/// Every token, taken through the interface.
Tokens allTokens(StringTokenizer& tokenizer) {
    Tokens tokens;
    while (tokenizer.hasMoreTokens())
        tokens.push_back(tokenizer.nextToken());
    return tokens;
}

struct SplitCase {
    const char* what;
    std::string text;
    std::string delimiters;
    Tokens tokens;
};

TEST(StringTokenizer, SplitsAtRunsOfDelimitersWithoutEmptyTokens) {
    const std::vector<SplitCase> cases = {
        {"empty text", "", "\n\r", {}},
        {"only delimiters", "\r\n\n\r", "\n\r", {}},
        {"blank lines and CR LF", "a\n\nb\r\n", "\n\r", {"a", "b"}},
        {"delimiters at both ends", "\n a \r", "\n\r", {" a "}},
        {"no delimiter in the text", "one line", "\n\r", {"one line"}},
        {"empty delimiter set", "a\nb", "", {"a\nb"}},
        {"empty text and empty delimiter set", "", "", {}},
        {"several delimiters", "x, y;;z", ", ;", {"x", "y", "z"}},
        {"zero bytes are ordinary bytes",
         std::string("a\0b\nc", 5),
         "\n",
         {std::string("a\0b", 3), "c"}},
    };
    for (const SplitCase& c : cases) {
        StringTokenizerImpl tokenizer(c.text, c.delimiters);
        EXPECT_EQ(tokenizer.countTokens(), c.tokens.size()) << c.what;
        EXPECT_EQ(tokenizer.hasMoreTokens(), !c.tokens.empty()) << c.what;
        EXPECT_EQ(allTokens(tokenizer), c.tokens) << c.what;
        EXPECT_FALSE(tokenizer.hasMoreTokens()) << c.what;
        EXPECT_EQ(tokenizer.countTokens(), 0u) << c.what;
    }
}

TEST(StringTokenizer, CountAndPeekDoNotMove) {
    StringTokenizerImpl tokenizer("\none\r\ntwo\n\nthree\n", "\n\r");
    EXPECT_EQ(tokenizer.countTokens(), 3u);
    EXPECT_EQ(tokenizer.peekToken(0), "one");
    EXPECT_EQ(tokenizer.peekToken(2), "three");
    EXPECT_EQ(tokenizer.countTokens(), 3u);
    EXPECT_EQ(tokenizer.nextToken(), "one");
    EXPECT_EQ(tokenizer.countTokens(), 2u);
    EXPECT_EQ(tokenizer.peekToken(1), "three");
    EXPECT_EQ(tokenizer.nextToken(), "two");
    EXPECT_EQ(tokenizer.nextToken(), "three");
    EXPECT_FALSE(tokenizer.hasMoreTokens());
}

TEST(StringTokenizer, NextTokenPositionIsWhereTheTokenStartsInTheText) {
    const std::string text = "\r\nab\n\n cd";
    StringTokenizerImpl tokenizer(text, "\n\r");
    std::vector<std::size_t> positions;
    while (tokenizer.hasMoreTokens()) {
        positions.push_back(tokenizer.nextTokenPosition());
        tokenizer.nextToken();
    }
    EXPECT_EQ(positions, (std::vector<std::size_t>{text.find("ab"), text.find(" cd")}));
    EXPECT_EQ(tokenizer.nextTokenPosition(), std::string::npos);
}

TEST(StringTokenizer, CallerErrorsAreReportedAndGiveEmptyTokens) {
    testsupport::TemporaryFolder folder; // the report also goes to assertion.txt
    StringTokenizerImpl tokenizer("a\nb", "\n");

    testing::internal::CaptureStdout();
    EXPECT_EQ(tokenizer.peekToken(2), ""); // as many as countTokens(): allowed, but no token
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "");

    testing::internal::CaptureStdout();
    EXPECT_EQ(tokenizer.peekToken(3), "");
    EXPECT_NE(testing::internal::GetCapturedStdout().find(
                  "Assertion failed. Message: countTokens() >= tokensAheadOfNextToken\n"),
              std::string::npos);

    allTokens(tokenizer);
    testing::internal::CaptureStdout();
    EXPECT_EQ(tokenizer.nextToken(), "");
    EXPECT_NE(
        testing::internal::GetCapturedStdout().find("Assertion failed. Message: hasMoreTokens()\n"),
        std::string::npos);
    EXPECT_FALSE(tokenizer.hasMoreTokens());
}

} // namespace
