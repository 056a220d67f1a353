#include "io/file/ReplacingFile.h"

#include "tests/unit/TemporaryFolder.h"

#include <gtest/gtest.h>

#include <csignal>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

using io::file::ReplacingFile;
namespace fs = std::filesystem;

namespace {

void writeFile(const std::string& name, const std::string& content) {
    std::ofstream out(name, std::ios::binary);
    out << content;
}

std::string readFile(const std::string& name) {
    std::ifstream in(name, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

/// Every name under the current folder, relative to it.
std::set<std::string> namesHere() {
    std::set<std::string> names;
    for (const auto& entry : fs::recursive_directory_iterator("."))
        names.insert(entry.path().lexically_relative(".").generic_string());
    return names;
}

TEST(ReplacingFile, CommitPutsTheNewContentInPlaceAndLeavesNothingElse) {
    testsupport::TemporaryFolder folder;
    writeFile("report.txt", "old report\n");
    {
        ReplacingFile file("report.txt");
        ASSERT_TRUE(file.isOpen()) << file.failure();
        EXPECT_TRUE(file.write("new "));
        EXPECT_EQ(std::fprintf(file.stream(), "report\n"), 7);
        // Until the commit the old content stays, and the new bytes wait beside it.
        EXPECT_EQ(readFile("report.txt"), "old report\n");
        EXPECT_EQ(fs::path(file.writtenPath()).parent_path(), fs::path(""));
        EXPECT_EQ(namesHere(), (std::set<std::string>{"report.txt", file.writtenPath()}));
        EXPECT_TRUE(file.commit()) << file.failure();
        EXPECT_TRUE(file.failure().empty());
        EXPECT_FALSE(file.isOpen());
        EXPECT_FALSE(file.write("more")); // committed: nothing more goes anywhere
    }
    EXPECT_EQ(readFile("report.txt"), "new report\n");
    EXPECT_EQ(namesHere(), (std::set<std::string>{"report.txt"}));
}

TEST(ReplacingFile, CreatesATargetThatDoesNotExistOnlyAtTheCommit) {
    testsupport::TemporaryFolder folder;
    fs::create_directory("sub");
    ReplacingFile file("sub/report.txt");
    ASSERT_TRUE(file.isOpen()) << file.failure();
    EXPECT_EQ(fs::path(file.writtenPath()).parent_path(), fs::path("sub"));
    EXPECT_FALSE(fs::exists("sub/report.txt"));
    file.write("x");
    EXPECT_TRUE(file.commit());
    EXPECT_EQ(readFile("sub/report.txt"), "x");
    EXPECT_EQ(namesHere(), (std::set<std::string>{"sub", "sub/report.txt"}));
}

TEST(ReplacingFile, WithoutCommitTheOldFileStaysAndTheWrittenOneGoes) {
    testsupport::TemporaryFolder folder;
    writeFile("report.txt", "old report\n");
    {
        ReplacingFile file("report.txt");
        ASSERT_TRUE(file.isOpen());
        file.write(std::string(100000, 'x'));
    }
    {
        ReplacingFile file("new.txt");
        ASSERT_TRUE(file.isOpen());
        file.write("x");
    }
    EXPECT_EQ(readFile("report.txt"), "old report\n");
    EXPECT_EQ(namesHere(), (std::set<std::string>{"report.txt"}));
}

TEST(ReplacingFile, WritersOfOneTargetEachHaveTheirOwnFile) {
    testsupport::TemporaryFolder folder;
    ReplacingFile first("report.txt");
    ReplacingFile second("report.txt");
    ASSERT_TRUE(first.isOpen());
    ASSERT_TRUE(second.isOpen());
    EXPECT_NE(first.writtenPath(), second.writtenPath());
    first.write("first");
    second.write("second");
    EXPECT_TRUE(first.commit());
    EXPECT_EQ(readFile("report.txt"), "first");
    EXPECT_TRUE(second.commit());
    EXPECT_EQ(readFile("report.txt"), "second");
    EXPECT_EQ(namesHere(), (std::set<std::string>{"report.txt"}));
}

TEST(ReplacingFile, KeepsThePermissionBitsAndSymbolicLinks) {
    testsupport::TemporaryFolder folder;
    writeFile("report.txt", "old");
    fs::permissions("report.txt", fs::perms::owner_read | fs::perms::owner_write |
                                      fs::perms::group_read | fs::perms::others_exec);
    fs::create_symlink("report.txt", "link.txt");
    ReplacingFile file("link.txt");
    ASSERT_TRUE(file.isOpen());
    file.write("new");
    EXPECT_TRUE(file.commit());
    EXPECT_TRUE(fs::is_symlink("link.txt"));
    EXPECT_EQ(readFile("report.txt"), "new");
    EXPECT_EQ(fs::status("report.txt").permissions(),
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read |
                  fs::perms::others_exec);
    EXPECT_EQ(namesHere(), (std::set<std::string>{"link.txt", "report.txt"}));
}

TEST(ReplacingFile, TellsWhyItCannotBegin) {
    testsupport::TemporaryFolder folder;
    fs::create_directory("sub");
    const struct {
        const char* target;
        const char* failure;
    } cases[] = {
        {"sub", "Is a directory"},
        {"missing/report.txt", "No such file or directory"},
    };
    for (const auto& c : cases) {
        ReplacingFile file(c.target);
        EXPECT_FALSE(file.isOpen()) << c.target;
        EXPECT_EQ(file.failure(), c.failure) << c.target;
        EXPECT_FALSE(file.write("x"));
        EXPECT_FALSE(file.commit());
        EXPECT_FALSE(file.readerWentAway());
    }
    EXPECT_EQ(namesHere(), (std::set<std::string>{"sub"}));
}

TEST(ReplacingFile, ACommitThatFailsLeavesNothingBehind) {
    testsupport::TemporaryFolder folder;
    {
        ReplacingFile file("report.txt");
        ASSERT_TRUE(file.isOpen());
        file.write("x");
        // Something else takes the name meanwhile, and a file must not replace it.
        fs::create_directories("report.txt/inner");
        EXPECT_FALSE(file.commit());
        EXPECT_EQ(file.failure(), "Is a directory");
        EXPECT_EQ(namesHere(), (std::set<std::string>{"report.txt", "report.txt/inner"}));
    }
    fs::remove_all("report.txt");
    {
        ReplacingFile file("report.txt");
        ASSERT_TRUE(file.isOpen());
        ASSERT_EQ(mkfifo("report.txt", 0600), 0);
        EXPECT_FALSE(file.commit());
        EXPECT_EQ(file.failure(), "Not a regular file");
        EXPECT_TRUE(fs::is_fifo("report.txt"));
    }
    fs::remove_all("report.txt");
    {
        ReplacingFile file("report.txt");
        ASSERT_TRUE(file.isOpen());
        fs::remove(file.writtenPath()); // the rename finds nothing to rename
        EXPECT_FALSE(file.commit());
        EXPECT_EQ(file.failure(), "No such file or directory");
    }
    EXPECT_EQ(namesHere(), (std::set<std::string>{}));
}

// Writing into a named pipe or a device cannot be undone, and a rename would put a plain file
// in its place: such a target is written directly. A named pipe of the test's own stands for
// them, so that a fault here cannot replace a device of the system.
TEST(ReplacingFile, WritesANamedPipeDirectly) {
    testsupport::TemporaryFolder folder;
    ASSERT_EQ(mkfifo("pipe", 0600), 0);
    fs::create_symlink("pipe", "link");
    for (const char* name : {"pipe", "link"}) {
        const int reader = open("pipe", O_RDONLY | O_NONBLOCK);
        ASSERT_GE(reader, 0);
        {
            ReplacingFile file(name);
            ASSERT_TRUE(file.isOpen()) << file.failure();
            EXPECT_EQ(fs::path(file.writtenPath()).filename(), "pipe");
            EXPECT_TRUE(file.write("through the pipe"));
            EXPECT_TRUE(file.commit()) << file.failure();
        }
        char buffer[64] = {};
        EXPECT_EQ(read(reader, buffer, sizeof buffer), 16);
        EXPECT_EQ(std::string(buffer), "through the pipe");
        close(reader);
        EXPECT_TRUE(fs::is_fifo("pipe"));
        EXPECT_EQ(namesHere(), (std::set<std::string>{"link", "pipe"}));
    }
    // A reader that goes away.
    const int reader = open("pipe", O_RDONLY | O_NONBLOCK);
    ReplacingFile file("pipe");
    close(reader);
    const auto previous = std::signal(SIGPIPE, SIG_IGN);
    EXPECT_FALSE(file.write("x") && file.commit());
    std::signal(SIGPIPE, previous);
    EXPECT_EQ(file.failure(), "Broken pipe");
    EXPECT_TRUE(file.readerWentAway());
    EXPECT_TRUE(fs::is_fifo("pipe"));
}

} // namespace
