#include "io/file/FileHelper.h"

#include "io/IOException.h"
#include "io/file/CouldNotLoadFileException.h"
#include "tests/unit/TemporaryFolder.h"
#include "windows/file/CurrentDirectory.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

using io::file::CouldNotLoadFileException;
using io::file::FileHelper;

namespace {

void writeFile(const std::string& name, const std::string& content) {
    std::ofstream out(name, std::ios::binary);
    out << content;
}

std::string loadFailure(const std::string& name, std::uint64_t byteCount) {
    try {
        FileHelper::loadFile(name, byteCount);
    } catch (const CouldNotLoadFileException& e) {
        return e.getMessage();
    }
    return "<no failure>";
}

TEST(FileHelper, LoadsEveryByteUnchanged) {
    testsupport::TemporaryFolder folder;
    const std::string content("a\r\nb\0c\xff\r\n", 9);
    writeFile("crlf.java", content);
    writeFile("empty.java", "");
    EXPECT_EQ(FileHelper::loadFile("crlf.java", 0), content);
    EXPECT_EQ(FileHelper::loadFile("empty.java", 0), "");
    EXPECT_EQ(FileHelper::loadFile("crlf.java", 3), "a\r\n");
}

TEST(FileHelper, ReadsALargeFileInPiecesAndStopsBetweenThemWhenAbandoned) {
    testsupport::TemporaryFolder folder;
    constexpr std::size_t kPiece = 16 * 1024 * 1024;
    std::string content(2 * kPiece + 3, 'x');
    for (std::size_t at = 0; at < content.size(); at += 4093) // marks that a misplaced piece moves
        content[at] = static_cast<char>('a' + at % 26);
    writeFile("large.java", content);
    EXPECT_EQ(FileHelper::loadFile("large.java", 0), content);
    EXPECT_EQ(FileHelper::loadFile("large.java", kPiece + 5), content.substr(0, kPiece + 5));

    int asked = 0;
    const std::string read =
        FileHelper::loadFile("large.java", 0, [&asked] { return ++asked == 2; });
    EXPECT_EQ(asked, 2);
    EXPECT_EQ(read, content.substr(0, kPiece)); // the first piece only
    EXPECT_EQ(FileHelper::loadFile("large.java", 0, [] { return true; }), "");
    int askedOfAFullRead = 0;
    EXPECT_EQ(FileHelper::loadFile("large.java", 0, [&] { return ++askedOfAFullRead > 3; }),
              content);
    EXPECT_EQ(askedOfAFullRead, 3); // once before each of the three pieces
}

TEST(FileHelper, MissingFileGivesTheFiveLineMessage) {
    testsupport::TemporaryFolder folder;
    const std::string directory = windows::file::currentDirectory();
    EXPECT_EQ(loadFailure("missing.java", 0),
              "An error occured when trying to open the file for reading.\n"
              "Filename: 'missing.java'\n"
              "Current Working Directory: " +
                  directory +
                  "\n"
                  "System error message: No such file or directory\n"
                  "C++ exception: basic_ios::clear: iostream error");
}

TEST(FileHelper, AskingForMoreBytesThanTheFileHolds) {
    testsupport::TemporaryFolder folder;
    writeFile("four.java", "abcd");
    const std::string message = loadFailure("four.java", 10);
    EXPECT_EQ(message.rfind("Tried to read a larger number of bytes from a file that it "
                            "contained. Tried to read : 10 File size: 4\nFilename: 'four.java'\n",
                            0),
              0u)
        << message;
    EXPECT_EQ(message.substr(message.size() - 21), "\nC++ exception: None.");
}

// A sparse file one byte over the limit takes no disk space and is refused before any byte is
// read; the limit itself is the largest file that loads.
TEST(FileHelper, AFileOverTheSizeLimitIsRefused) {
    testsupport::TemporaryFolder folder;
    writeFile("huge.java", "");
    std::filesystem::resize_file("huge.java",
                                 static_cast<std::uintmax_t>(FileHelper::kMaxLoadSize) + 1);
    const std::string message = loadFailure("huge.java", 0);
    EXPECT_EQ(message.rfind("Could not load the file because the file size was too big. The file "
                            "size is 2147483648. The file cannot be bigger than 2147483647 "
                            "bytes.\nFilename: 'huge.java'\n",
                            0),
              0u)
        << message;
    EXPECT_EQ(message.substr(message.size() - 21), "\nC++ exception: None.");
}

TEST(FileHelper, CurrentDirectoryEndsWithTheSeparator) {
    testsupport::TemporaryFolder folder;
    EXPECT_EQ(windows::file::currentDirectory(), folder.path().string() + "/");
}

TEST(FileHelper, FailuresAreInputOutputFailures) {
    testsupport::TemporaryFolder folder;
    EXPECT_THROW(FileHelper::loadFile("missing.java", 0), io::IOException);
}

} // namespace
