#include "platform/FileSystem.h"

#include "tests/unit/TemporaryFolder.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <fstream>

namespace fs = std::filesystem;
using platform::FileIdentity;

namespace {

TEST(FileSystem, NamesOfOneFileHaveOneIdentity) {
    testsupport::TemporaryFolder folder;
    std::ofstream("a.txt") << "a";
    std::ofstream("b.txt") << "a";
    fs::create_hard_link("a.txt", "hard.txt");
    fs::create_symlink("a.txt", "soft.txt");
    fs::create_directory("sub");
    const auto a = platform::identifyFile("a.txt");
    ASSERT_TRUE(a);
    EXPECT_EQ(a->kind, FileIdentity::Kind::kRegular);
    for (const char* name : {"a.txt", "hard.txt", "soft.txt", "./sub/../a.txt"}) {
        const auto other = platform::identifyFile(name);
        ASSERT_TRUE(other) << name;
        EXPECT_TRUE(a->isSameFileAs(*other)) << name;
    }
    EXPECT_FALSE(a->isSameFileAs(*platform::identifyFile("b.txt")));
    EXPECT_EQ(platform::identifyFile("sub")->kind, FileIdentity::Kind::kDirectory);
    EXPECT_EQ(platform::identifyFile("/dev/null")->kind, FileIdentity::Kind::kOther);
    EXPECT_FALSE(platform::identifyFile("missing.txt"));

    std::FILE* open = std::fopen("hard.txt", "rb");
    ASSERT_TRUE(open);
    const auto openIdentity = platform::identifyOpenFile(open);
    std::fclose(open);
    ASSERT_TRUE(openIdentity);
    EXPECT_TRUE(a->isSameFileAs(*openIdentity));
}

TEST(FileSystem, FollowsLinksToTheFileTheyLeadTo) {
    testsupport::TemporaryFolder folder;
    std::ofstream("a.txt") << "a";
    fs::create_symlink("a.txt", "one.txt");
    fs::create_symlink("one.txt", "two.txt");
    fs::create_symlink("missing.txt", "dangling.txt");
    const std::string real = (fs::canonical(".") / "a.txt").string();
    EXPECT_EQ(platform::followLinks("two.txt"), real);
    EXPECT_EQ(platform::followLinks("one.txt"), real);
    EXPECT_EQ(platform::followLinks("a.txt"), "a.txt");
    EXPECT_EQ(platform::followLinks("dangling.txt"), "dangling.txt");
    EXPECT_EQ(platform::followLinks("missing.txt"), "missing.txt");
}

TEST(FileSystem, CreatesOnlyNewFilesAndRenamesOverOldOnes) {
    testsupport::TemporaryFolder folder;
    std::ofstream("old.txt") << "old";
    errno = 0;
    EXPECT_EQ(platform::createNewFile("old.txt"), nullptr);
    EXPECT_EQ(errno, EEXIST);
    std::FILE* created = platform::createNewFile("new.txt");
    ASSERT_TRUE(created);
    std::fputs("new", created);
    std::fclose(created);
    EXPECT_TRUE(platform::renameReplacing("new.txt", "old.txt"));
    EXPECT_FALSE(fs::exists("new.txt"));
    std::ifstream in("old.txt");
    std::string content;
    in >> content;
    EXPECT_EQ(content, "new");
    EXPECT_FALSE(platform::renameReplacing("new.txt", "old.txt"));
}

} // namespace
