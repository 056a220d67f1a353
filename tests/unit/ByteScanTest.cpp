#include "util/ByteScan.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>
#include <vector>

using util::countByte;
using util::fillKeepingLineFeeds;
using util::findByteOf;
using util::forEachByteOf;
using util::skipByte;

namespace {

// Texts long enough to cross several sixteen-byte blocks, with the bytes looked for both
// rare and in long runs.
std::vector<std::string> blockCrossingTexts() {
    std::mt19937 random(17);
    const std::string alphabet = "\r\r\r\n a\t\xff";
    std::vector<std::string> texts = {"", "\n", std::string(33, '\r'), std::string(40, 'a')};
    for (int round = 0; round < 200; ++round) {
        std::string text;
        for (int k = 0; k < round % 70; ++k)
            text += alphabet[random() % alphabet.size()];
        texts.push_back(text);
    }
    return texts;
}

TEST(ByteScans, AgreeWithAByteByByteWalk) {
    for (const std::string& text : blockCrossingTexts()) {
        for (std::size_t from = 0; from <= text.size() + 1; ++from) {
            std::vector<std::size_t> expected;
            std::vector<std::size_t> expectedOfThree;
            for (std::size_t i = from; i < text.size(); ++i) {
                if (text[i] == '\r' || text[i] == '\n')
                    expected.push_back(i);
                if (text[i] == '\t' || text[i] == '\xff' || text[i] == 'a')
                    expectedOfThree.push_back(i);
            }
            std::vector<std::size_t> seen;
            forEachByteOf(text, '\r', '\n', from, text.size(), [&](std::size_t at) {
                seen.push_back(at);
                return true;
            });
            ASSERT_EQ(seen, expected) << "from " << from;
            ASSERT_EQ(findByteOf(text, '\r', '\n', from),
                      expected.empty() ? std::string::npos : expected.front());
            ASSERT_EQ(findByteOf(text, '\t', '\xff', 'a', from),
                      expectedOfThree.empty() ? std::string::npos : expectedOfThree.front());
            const std::size_t bound = from + 20;
            const auto inBound = std::find_if(expected.begin(), expected.end(),
                                              [&](std::size_t at) { return at < bound; });
            ASSERT_EQ(findByteOf(text, '\r', '\n', from, bound),
                      inBound == expected.end() ? std::string::npos : *inBound);

            std::size_t notCarriageReturn = std::min(from, text.size());
            while (notCarriageReturn < text.size() && text[notCarriageReturn] == '\r')
                ++notCarriageReturn;
            ASSERT_EQ(skipByte(text, '\r', from), notCarriageReturn) << "from " << from;

            const std::size_t to = std::min(text.size(), from + 37);
            const auto lineFeeds =
                from >= to ? 0 : std::count(text.begin() + from, text.begin() + to, '\n');
            ASSERT_EQ(countByte(text, '\n', from, to), static_cast<std::size_t>(lineFeeds));
        }
    }
}

// Counts over long ranges add up the hits of many blocks at once, in batches: texts of all
// line feeds (every lane counts at its most), none, and mixed, across batch boundaries.
TEST(ByteScans, CountsOverLongRangesAgreeWithAPlainCount) {
    std::mt19937 random(23);
    std::string mixed;
    for (int k = 0; k < 20000; ++k)
        mixed += "\n\na\r \xff"[random() % 6];
    for (const std::string& text : {std::string(20000, '\n'), std::string(20000, 'x'), mixed}) {
        for (const std::size_t from : {0, 1, 15, 16, 4079, 4080, 4081, 9000}) {
            for (const std::size_t to : {4095, 4096, 4097, 8177, 12345, 20000}) {
                const auto expected =
                    from >= to ? 0 : std::count(text.begin() + from, text.begin() + to, '\n');
                ASSERT_EQ(countByte(text, '\n', from, to), static_cast<std::size_t>(expected))
                    << "from " << from << " to " << to;
            }
        }
    }
}

// The ends of long stretches, found a block at a time, against a byte-by-byte walk: stretches
// of every length around the limit, ends alone and in runs, in texts of many blocks.
TEST(ByteScans, EndsOfLongStretchesAgreeWithAByteByByteWalk) {
    std::mt19937 random(41);
    for (int round = 0; round < 300; ++round) {
        std::string text;
        while (text.size() < static_cast<std::size_t>(round % 200 + 20)) {
            text += std::string(random() % 60, 'x');
            text += std::string(random() % 3 + 1, "\r\n"[random() % 2]);
        }
        text.resize(text.size() - random() % 20);
        for (const std::size_t longest : {15, 16, 17, 31, 40}) {
            std::vector<std::size_t> expected;
            std::size_t stretchStart = 0;
            for (std::size_t at = 0; at < text.size(); ++at) {
                if (text[at] == '\r' || text[at] == '\n') {
                    if (at - stretchStart > longest)
                        expected.push_back(at);
                    stretchStart = at + 1;
                }
            }
            std::vector<std::size_t> found;
            util::forEachEndOfLongStretch(text, '\r', '\n', longest,
                                          [&](std::size_t end) { found.push_back(end); });
            ASSERT_EQ(found, expected) << "longest " << longest << " in " << text;
        }
    }
}

TEST(ByteScans, FillKeepsLineFeedsAndNothingOutsideTheRange) {
    for (const std::string& text : blockCrossingTexts()) {
        for (std::size_t from = 0; from <= text.size(); from += 3) {
            const std::size_t to = std::min(text.size(), from + 41);
            std::string expected = text;
            for (std::size_t i = from; i < to; ++i)
                expected[i] = text[i] == '\n' ? '\n' : '#';
            std::string filled = text;
            fillKeepingLineFeeds(text, filled, from, to, '#');
            ASSERT_EQ(filled, expected) << "from " << from;
        }
    }
}

TEST(ByteScans, IndentationRunsAgreeWithAByteByByteWalk) {
    std::mt19937 random(31);
    for (int round = 0; round < 2000; ++round) {
        std::string text;
        for (int k = 0; k < round % 45; ++k)
            text += "  \t\tx\n"[random() % 6];
        for (std::size_t from = 0; from <= text.size(); ++from) {
            std::size_t end = from;
            bool space = false;
            bool tab = false;
            for (; end < text.size() && (text[end] == ' ' || text[end] == '\t'); ++end) {
                space = space || text[end] == ' ';
                tab = tab || text[end] == '\t';
            }
            const util::IndentationRun run = util::indentationAt(text, from);
            ASSERT_EQ(run.end, end) << from;
            ASSERT_EQ(run.hasSpace, space) << from;
            ASSERT_EQ(run.hasTab, tab) << from;
        }
    }
}

TEST(ByteScans, StopWhenAsked) {
    const std::string text(100, '\n');
    std::size_t calls = 0;
    forEachByteOf(text, '\n', '\n', 0, text.size(), [&](std::size_t) { return ++calls < 20; });
    EXPECT_EQ(calls, 20u);
}

} // namespace
