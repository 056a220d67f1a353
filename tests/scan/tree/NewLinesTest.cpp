// The set of new lines kept as ranges, against a plain set of line numbers.
#include "scan/tree/ChangedLines.h"

#include <gtest/gtest.h>

#include <rapidcheck/gtest.h>
#include <set>

namespace scan::tree {
namespace {

TEST(NewLines, MergesRangesThatOverlapOrTouch) {
    NewLines lines;
    lines.add(10, 12);
    lines.add(1, 1);
    lines.add(5, 3);   // empty
    lines.add(13, 14); // touches 10-12
    lines.add(3, 4);
    lines.add(2, 2); // joins 1 and 3-4
    lines.add(20, 20);
    lines.add(9, 21); // swallows 10-14 and 20
    EXPECT_EQ(lines.ranges(), (std::vector<LineRange>{{1, 4}, {9, 21}}));
    EXPECT_FALSE(lines.contains(0));
    EXPECT_TRUE(lines.contains(4));
    EXPECT_FALSE(lines.contains(5));
    EXPECT_FALSE(lines.contains(8));
    EXPECT_TRUE(lines.contains(9));
    EXPECT_TRUE(lines.contains(21));
    EXPECT_FALSE(lines.contains(22));
    lines.addWholeFile();
    EXPECT_TRUE(lines.contains(5));
}

RC_GTEST_PROP(NewLines, HoldsWhatAPlainSetOfLinesHolds,
              (const std::vector<std::pair<std::uint8_t, std::uint8_t>>& additions)) {
    NewLines lines;
    std::set<std::size_t> plain;
    for (const auto& [start, length] : additions) {
        const std::size_t first = start + 1u;
        const std::size_t last = first + length % 8 - 1; // some empty, most short
        lines.add(first, last);
        for (std::size_t line = first; line <= last; ++line)
            plain.insert(line);
    }
    for (std::size_t line = 0; line < 270; ++line)
        RC_ASSERT(lines.contains(line) == (plain.count(line) != 0));
    const auto& ranges = lines.ranges();
    for (std::size_t at = 1; at < ranges.size(); ++at)
        RC_ASSERT(ranges[at - 1].last + 1 < ranges[at].first); // apart, in order
}

TEST(ChangedLines, FindsFilesAndWhatLiesInUntrackedFolders) {
    ChangedLines changes("/top");
    changes.linesOf("a/A.java").add(3, 4);
    changes.linesOf("a/Empty.java");
    changes.addUntrackedFolder("inner/");
    ASSERT_NE(changes.find("a/A.java"), nullptr);
    EXPECT_TRUE(changes.find("a/A.java")->contains(4));
    EXPECT_EQ(changes.find("a/Empty.java"), nullptr);
    EXPECT_EQ(changes.find("a/B.java"), nullptr);
    ASSERT_NE(changes.find("inner/x/B.java"), nullptr);
    EXPECT_TRUE(changes.find("inner/x/B.java")->isWholeFile());
    EXPECT_EQ(changes.find("inner"), nullptr);
    EXPECT_EQ(changes.find("innerB.java"), nullptr);
}

} // namespace
} // namespace scan::tree
