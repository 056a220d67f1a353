#include "report/FileUri.h"

#include <gtest/gtest.h>

#include <string>

using report::fileUri;
using report::PathStyle;

namespace {

std::string posix(std::string_view name) {
    const auto uri = fileUri(name, PathStyle::kPosix);
    return (uri.relative ? "relative " : "absolute ") + uri.text;
}

std::string windows(std::string_view name) {
    const auto uri = fileUri(name, PathStyle::kWindows);
    return (uri.relative ? "relative " : "absolute ") + uri.text;
}

TEST(FileUri, RelativeNamesStayRelative) {
    EXPECT_EQ(posix("examples/Sample.java"), "relative examples/Sample.java");
    EXPECT_EQ(posix("./a/../B-c_d~e.java"), "relative ./a/../B-c_d~e.java");
    EXPECT_EQ(windows("src\\Foo.java"), "relative src/Foo.java");
}

TEST(FileUri, AbsoluteNamesBecomeFileUris) {
    EXPECT_EQ(posix("/usr/src/A.java"), "absolute file:///usr/src/A.java");
    EXPECT_EQ(windows("C:\\src\\Foo.java"), "absolute file:///C:/src/Foo.java");
    EXPECT_EQ(windows("c:/src/Foo.java"), "absolute file:///c:/src/Foo.java");
    EXPECT_EQ(windows("\\\\server\\share\\Foo.java"), "absolute file://server/share/Foo.java");
    EXPECT_EQ(windows("\\src\\Foo.java"), "absolute file:///src/Foo.java");
}

TEST(FileUri, EncodesEveryOtherByte) {
    EXPECT_EQ(posix("My File.java"), "relative My%20File.java");
    EXPECT_EQ(posix("a:b.java"), "relative a%3Ab.java"); // no scheme to be read into it
    EXPECT_EQ(posix("100%#?&\"<'.java"), "relative 100%25%23%3F%26%22%3C%27.java");
    EXPECT_EQ(posix("caf\xE9\xC3\xA9.java"), "relative caf%E9%C3%A9.java");
    EXPECT_EQ(posix("back\\slash.java"), "relative back%5Cslash.java");
    EXPECT_EQ(posix("/tmp/a b/\x01.java"), "absolute file:///tmp/a%20b/%01.java");
    EXPECT_EQ(windows("C:\\My Files\\x:y.java"), "absolute file:///C:/My%20Files/x%3Ay.java");
    EXPECT_EQ(windows("C:x.java"), "relative C%3Ax.java"); // relative to a drive's folder
}

} // namespace
