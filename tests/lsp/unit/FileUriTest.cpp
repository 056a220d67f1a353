#include "lsp/FileUri.h"

#include <gtest/gtest.h>

namespace {

using lsp::PathStyle;

struct UriCase {
    const char* uri;
    PathStyle style;
    std::optional<std::string> path;
};

TEST(FileUri, PathsOfUris) {
    const UriCase cases[] = {
        {"file:///home/a/B.java", PathStyle::kPosix, "/home/a/B.java"},
        {"file:///home/a%20b/%C3%A9.java", PathStyle::kPosix, "/home/a b/\xC3\xA9.java"},
        {"FILE://localhost/x", PathStyle::kPosix, "/x"},
        {"file:///x%zz%4", PathStyle::kPosix, "/x%zz%4"}, // escapes that are none stay
        {"file:///x?query#part", PathStyle::kPosix, "/x"},
        {"file:///c%3A/src/A.java", PathStyle::kWindows, "c:/src/A.java"},
        {"file:///C:/src/A.java", PathStyle::kWindows, "C:/src/A.java"},
        {"file://server/share/A.java", PathStyle::kWindows, "//server/share/A.java"},
        {"untitled:Untitled-1", PathStyle::kPosix, std::nullopt},
        {"https://example.invalid/A.java", PathStyle::kPosix, std::nullopt},
    };
    for (const UriCase& c : cases)
        EXPECT_EQ(lsp::pathOfUri(c.uri, c.style), c.path) << c.uri;
}

TEST(FileUri, UrisOfPathsReadBack) {
    for (const char* path : {"/a/b c/\xC3\xA9%#?.java", "/", "/x/\xFF"}) {
        const std::string uri = lsp::uriOfPath(path, PathStyle::kPosix);
        EXPECT_EQ(uri.find_first_of(" #?\xC3\xFF"), std::string::npos) << uri;
        EXPECT_EQ(lsp::pathOfUri(uri, PathStyle::kPosix), path);
    }
    EXPECT_EQ(lsp::uriOfPath("C:\\src\\A.java", PathStyle::kWindows), "file:///C:/src/A.java");
    EXPECT_EQ(lsp::pathOfUri(lsp::uriOfPath("C:\\a b", PathStyle::kWindows), PathStyle::kWindows),
              "C:/a b");
}

TEST(FileUri, PathsInsideFolders) {
    EXPECT_EQ(lsp::pathInside("/w", "/w/src/A.java"), "src/A.java");
    EXPECT_EQ(lsp::pathInside("/w/", "/w/A.java"), "A.java");
    EXPECT_EQ(lsp::pathInside("/", "/A.java"), "A.java");
    EXPECT_EQ(lsp::pathInside("/w", "/wx/A.java"), std::nullopt);
    EXPECT_EQ(lsp::pathInside("/w", "/w"), std::nullopt);
    EXPECT_EQ(lsp::pathInside("/w", "/other/A.java"), std::nullopt);
}

} // namespace
