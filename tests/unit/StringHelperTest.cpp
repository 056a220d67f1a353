#include "util/StringHelper.h"

#include "util/Helpers.h"

#include <gtest/gtest.h>

using util::lineNumberAt;
using util::StringHelper;

namespace {

TEST(LineNumberAt, CountsLineFeedsBeforeThePosition) {
    EXPECT_EQ(lineNumberAt("", 0), 1);
    EXPECT_EQ(lineNumberAt("a\nb", 0), 1);
    EXPECT_EQ(lineNumberAt("a\nb", 1), 1); // the line feed belongs to the line it ends
    EXPECT_EQ(lineNumberAt("a\nb", 2), 2);
    EXPECT_EQ(lineNumberAt("a\r\nb\r\nc", 6), 3); // a carriage return is an ordinary byte
    EXPECT_EQ(lineNumberAt("a\rb\rc", 4), 1);
    EXPECT_EQ(lineNumberAt("a\n\n", 3), 3);
}

TEST(StringHelper, ReplaceAllDoesNotSearchInsertedText) {
    std::string text = "aaa";
    EXPECT_EQ(StringHelper::replaceAll(text, "a", "aa"), 3u);
    EXPECT_EQ(text, "aaaaaa");
    std::string unchanged = "abc";
    EXPECT_EQ(StringHelper::replaceAll(unchanged, "x", "y"), 0u);
    EXPECT_EQ(unchanged, "abc");
    EXPECT_EQ(StringHelper::replaceAll(unchanged, "", "y"), 0u);
    EXPECT_EQ(unchanged, "abc");
}

TEST(StringHelper, CountOccurrencesDoesNotOverlap) {
    EXPECT_EQ(StringHelper::countOccurrences("aaaa", "aa"), 2u);
    EXPECT_EQ(StringHelper::countOccurrences("a, b, c", ","), 2u);
    EXPECT_EQ(StringHelper::countOccurrences("abc", ""), 0u);
    EXPECT_EQ(StringHelper::countOccurrences("", "a"), 0u);
}

TEST(StringHelper, ToLowerCaseChangesOnlyAsciiLetters) {
    EXPECT_EQ(StringHelper::toLowerCase("Quarvel"), "quarvel");
    EXPECT_EQ(StringHelper::toLowerCase("AZ[@]az09\xC4\xD6"), "az[@]az09\xC4\xD6");
    EXPECT_EQ(StringHelper::changeCase("mIxEd", StringHelper::Upper), "MIXED");
    EXPECT_EQ(StringHelper::toLowerCase(std::string("AB\0CD", 5)), "ab");
}

TEST(Helpers, DecimalTexts) {
    EXPECT_EQ(util::toString(static_cast<std::int32_t>(-12)), "-12");
    EXPECT_EQ(util::toString(static_cast<std::uint32_t>(0xFFFFFFFFu)), "4294967295");
}

} // namespace
