#include "products/quarvel/search/LineCounter.h"

#include "util/StringHelper.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>

using namespace products::quarvel::search;

namespace {

TEST(LineCounter, AgreesWithLineNumberAtInAnyOrder) {
    const std::string text = "a\nbb\n\nccc\n";
    LineCounter lines(text);
    for (std::size_t p : {0u, 3u, 5u, 9u, 1u, 10u, 2u, 40u})
        EXPECT_EQ(lines.lineAt(p), util::lineNumberAt(text, p)) << p;
}

// Rules mostly ask in increasing order, and now and then a little way back (a match that
// starts one byte before its keyword, on the line feed before it): every answer stays right
// whatever the order and the step, one byte back over a line feed included.
TEST(LineCounter, AgreesWithLineNumberAtForStepsForwardAndBack) {
    std::mt19937 random(11);
    for (int round = 0; round < 500; ++round) {
        std::string text;
        for (int k = 0; k < 30; ++k)
            text += "ab\n\n"[random() % 4];
        LineCounter lines(text);
        std::size_t at = 0;
        for (int ask = 0; ask < 20; ++ask) {
            const int step = static_cast<int>(random() % 7) - 2; // from two back to four on
            at = static_cast<std::size_t>(std::max(0, static_cast<int>(at) + step));
            ASSERT_EQ(lines.lineAt(at), util::lineNumberAt(text, at)) << text << " at " << at;
        }
    }
}

} // namespace
