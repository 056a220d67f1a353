#include "util/StringHelper.h"

#include "exceptions/Exception.h"
#include "io/file/CouldNotLoadFileException.h"
#include "platform/GrowingBuffer.h"
#include "platform/errorresources/SystemErrors.h"
#include "util/Helpers.h"
#include "windows/file/WindowsFileException.h"

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

TEST(SystemErrors, KnownAndUnknownCodes) {
    EXPECT_EQ(platform::SystemErrors::map(2), "System error message: No such file or directory");
    EXPECT_EQ(platform::SystemErrors::map(-5),
              "System error message: The string representation of the error code [-5] was not "
              "found.\r\n");
}

TEST(SystemErrors, FallbackTableIsAskedForUnknownCodes) {
    struct Table : platform::ErrorMapper {
        bool lookup(int code, std::string& text) const override {
            text = "custom " + std::to_string(code);
            return code == -7;
        }
    } table;
    EXPECT_EQ(platform::SystemErrors::map(-7, &table), "System error message: custom -7\r\n");
}

TEST(Exceptions, FamiliesCatchOnlyTheirMembers) {
    const auto caughtAsIo = [](auto thrower) {
        try {
            thrower();
        } catch (const io::IOException&) {
            return true;
        } catch (const exceptions::Exception&) {
            return false;
        }
        return false;
    };
    EXPECT_TRUE(caughtAsIo([] { throw io::file::CouldNotLoadFileException("x"); }));
    EXPECT_TRUE(caughtAsIo([] { throw windows::file::CouldNotGetCurrentDirectoryException("x"); }));
    EXPECT_FALSE(caughtAsIo([] { throw exceptions::IllegalArgumentException("x"); }));
    EXPECT_FALSE(caughtAsIo([] { throw exceptions::NumberFormatException("x"); }));

    const exceptions::IllegalArgumentException original("message");
    const exceptions::IllegalArgumentException copy(original);
    EXPECT_EQ(copy.getMessage(), "message");
}

} // namespace

namespace {

TEST(GrowingBuffer, GrowsUntilALongTextFits) {
    const std::string directory = "C:\\" + std::string(300, 'd');
    std::vector<std::size_t> sizesAsked;
    const auto query = [&](char* buffer, std::size_t size) -> std::size_t {
        sizesAsked.push_back(size);
        if (size <= directory.size())
            return directory.size() + 1; // the size needed, terminator included
        directory.copy(buffer, directory.size());
        buffer[directory.size()] = '\0';
        return directory.size();
    };
    EXPECT_EQ(platform::queryIntoGrowingBuffer(query), directory);
    EXPECT_EQ(sizesAsked.front(), 260u);
    EXPECT_EQ(sizesAsked.size(), 2u);
}

TEST(GrowingBuffer, FailureAndTextsThatNeverFit) {
    EXPECT_FALSE(platform::queryIntoGrowingBuffer([](char*, std::size_t) { return 0u; }));
    EXPECT_FALSE(platform::queryIntoGrowingBuffer(
        [](char*, std::size_t size) -> std::size_t { return size + 10; }));
}

} // namespace
