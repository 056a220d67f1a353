#include "products/quarvel/search/TextScan.h"

#include "products/quarvel/search/PatternSearch.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <random>
#include <rapidcheck/gtest.h>
#include <string>
#include <vector>

using namespace products::quarvel::search;

namespace {

// The hand-written scans stand for \s and \w of the patterns: every byte is classed as the
// pattern engine classes it.
TEST(ByteClasses, BlanksAndWordBytesAreThePatternsOwn) {
    const Pattern blank(R"(\A\s)");
    const Pattern word(R"(\A\w)");
    for (int value = 0; value < 256; ++value) {
        const std::string text(1, static_cast<char>(value));
        EXPECT_EQ(isBlank(text[0]), searchOnce(blank, text, 0).has_value()) << value;
        EXPECT_EQ(isWordByte(text[0]), searchOnce(word, text, 0).has_value()) << value;
    }
}

TEST(FindFirstOf, FindsWhatStringFindFirstOfFinds) {
    const std::string text = "ab;c=d\n;;e";
    for (const char* bytes : {";=", ";", "x", "\n;", "e"}) {
        for (std::size_t from = 0; from <= text.size() + 1; ++from)
            EXPECT_EQ(findFirstOf(text, bytes, from), text.find_first_of(bytes, from))
                << bytes << " from " << from;
    }
}

TEST(StretchHashes, ShortAndLongStretchesHashAlike) {
    std::mt19937 random(23);
    std::string text;
    for (int i = 0; i < 3000; ++i)
        text += "ab.;\xff"[random() % 5];
    const auto horner = [&](std::size_t begin, std::size_t end) {
        std::uint64_t hash = 0;
        for (std::size_t i = begin; i < end; ++i)
            hash = hash * 1000003 + static_cast<unsigned char>(text[i]) + 1;
        return hash;
    };
    StretchHashes hashes(text);
    for (int round = 0; round < 2000; ++round) {
        const std::size_t length = random() % 600;
        const std::size_t begin = random() % (text.size() - length);
        ASSERT_EQ(hashes.of(begin, begin + length), horner(begin, begin + length))
            << begin << "+" << length;
    }
    // Equal stretches of one text hash alike whichever way each is computed.
    const std::string repeated = std::string(400, 'x') + ";" + std::string(400, 'x');
    StretchHashes repeatedHashes(repeated);
    EXPECT_EQ(repeatedHashes.of(0, 300), repeatedHashes.of(401, 701));
    EXPECT_EQ(repeatedHashes.of(0, 100), repeatedHashes.of(401, 501));
    EXPECT_NE(repeatedHashes.of(0, 300), repeatedHashes.of(300, 600));
}

TEST(NextLiteral, AnswersLikeAFindFromEachPosition) {
    const LiteralFinder finder("default");
    const std::string text = "a default b defaultdefault c default";
    NextLiteral next(text, finder);
    for (const std::size_t from : {0u, 1u, 2u, 10u, 3u, 19u, 20u, 36u, 40u, 5u})
        EXPECT_EQ(next.from(from), text.find("default", from)) << from;
}

} // namespace

namespace {

/// The first position at or after `start` holding `wanted`, found byte by byte.
std::size_t plainFind(const std::string& text, char wanted, std::size_t start) {
    for (std::size_t i = start; i < text.size(); ++i) {
        if (text[i] == wanted)
            return i;
    }
    return std::string::npos;
}

// Starts that mostly grow, now and then jump back or past the end: every answer is what a
// search from that start finds, and a repeated start does not search again.
RC_GTEST_PROP(FirstFrom, AnswersLikeASearchFromEachStart,
              (const std::vector<bool>& bytes, const std::vector<std::uint8_t>& steps)) {
    std::string text;
    for (const bool b : bytes)
        text += b ? 'x' : '.';
    std::size_t searches = 0;
    FirstFrom first([&](std::size_t start) {
        ++searches;
        return plainFind(text, 'x', start);
    });
    std::size_t start = 0;
    for (const std::uint8_t step : steps) {
        start = step % 7 == 0 ? step % (text.size() + 2) : start + step % 5;
        const std::size_t before = searches;
        RC_ASSERT(first.from(start) == plainFind(text, 'x', start));
        RC_ASSERT(first.from(start) == plainFind(text, 'x', start));
        RC_ASSERT(searches <= before + 1);
    }
}

} // namespace
