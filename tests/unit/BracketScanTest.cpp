#include "products/quarvel/search/BracketScan.h"

#include <gtest/gtest.h>

#include <optional>
#include <random>
#include <string>

using namespace products::quarvel::search;

namespace {

TEST(FindMatchingClose, CountsFromTheStartWithOneOpen) {
    EXPECT_EQ(findMatchingClose("{}", 1, '{', '}'), 1u);
    EXPECT_EQ(findMatchingClose("{ {a} b }", 1, '{', '}'), 8u);
    EXPECT_EQ(findMatchingClose("(a(b(c)));", 1, '(', ')'), 8u);
    EXPECT_FALSE(findMatchingClose("{ {", 1, '{', '}'));
    EXPECT_FALSE(findMatchingClose("{", 5, '{', '}'));
}

/// A text of brackets of both kinds and other bytes; openWeight out of 10 of the brackets
/// open, so that weights above 5 leave most of the text unclosed.
std::string randomBracketText(std::mt19937& random, std::size_t size, unsigned openWeight) {
    std::string text(size, ' ');
    for (char& c : text) {
        const unsigned draw = random() % 14;
        if (draw < 10)
            c = draw < openWeight ? '(' : ')';
        else
            c = "{}x\n"[draw - 10];
    }
    return text;
}

/// The matching close by counting byte by byte: the reference for the faster scans.
std::optional<std::size_t> countedClose(const std::string& text, std::size_t start, char open,
                                        char close) {
    std::size_t depth = 1;
    for (std::size_t i = start; i < text.size(); ++i) {
        if (text[i] == open)
            ++depth;
        else if (text[i] == close && --depth == 0)
            return i;
    }
    return std::nullopt;
}

/// Asks one index about every start (and two past the end) in a random order, as rules do
/// not ask in order either, and compares each answer with findMatchingClose and with a
/// count byte by byte.
void expectSameAnswersAsFindMatchingClose(std::mt19937& random, const std::string& text) {
    std::vector<std::size_t> starts(text.size() + 3);
    for (std::size_t i = 0; i < starts.size(); ++i)
        starts[i] = i;
    std::shuffle(starts.begin(), starts.end(), random);
    BracketIndex parentheses(text, '(', ')');
    BracketIndex braces(text, '{', '}');
    for (const std::size_t start : starts) {
        ASSERT_EQ(parentheses.matchingClose(start), findMatchingClose(text, start, '(', ')'))
            << "start " << start << " of " << text.size();
        ASSERT_EQ(braces.matchingClose(start), findMatchingClose(text, start, '{', '}'))
            << "start " << start << " of " << text.size();
        ASSERT_EQ(findMatchingClose(text, start, '{', '}'), countedClose(text, start, '{', '}'))
            << "start " << start << " of " << text.size();
    }
}

TEST(BracketIndex, AnswersLikeFindMatchingCloseOnShortTexts) {
    std::mt19937 random(11);
    for (int round = 0; round < 3000; ++round) {
        const std::string text = randomBracketText(random, random() % 40, 3 + random() % 5);
        expectSameAnswersAsFindMatchingClose(random, text);
    }
}

// Long texts make the direct scans exceed their allowance, so most answers come from the index.
TEST(BracketIndex, AnswersLikeFindMatchingCloseOnceIndexed) {
    std::mt19937 random(12);
    for (const unsigned openWeight : {3u, 5u, 6u, 9u}) {
        for (const std::size_t size : {5000u, 12000u}) {
            const std::string text = randomBracketText(random, size, openWeight);
            expectSameAnswersAsFindMatchingClose(random, text);
        }
    }
}

TEST(BracketIndex, DeepNestingAndUnclosedStretches) {
    std::mt19937 random(13);
    const std::string nested = std::string(6000, '(') + std::string(6000, ')');
    expectSameAnswersAsFindMatchingClose(random, nested);
    expectSameAnswersAsFindMatchingClose(random, std::string(9000, '('));
    expectSameAnswersAsFindMatchingClose(random, std::string(9000, ')') + std::string(9000, '('));
    expectSameAnswersAsFindMatchingClose(random, std::string(9000, '(') + "))" + nested);
}

} // namespace
