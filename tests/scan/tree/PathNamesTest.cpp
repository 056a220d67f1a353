// The names the walk gives and the paths the filter sees.
#include "scan/tree/PathNames.h"

#include <gtest/gtest.h>

namespace scan::tree {
namespace {

TEST(PathNames, KnowsJavaSourcesByTheirExactEnding) {
    EXPECT_TRUE(hasJavaExtension("A.java"));
    EXPECT_TRUE(hasJavaExtension("a.b.java"));
    EXPECT_TRUE(hasJavaExtension(".java"));
    EXPECT_FALSE(hasJavaExtension("A.Java"));
    EXPECT_FALSE(hasJavaExtension("A.java "));
    EXPECT_FALSE(hasJavaExtension("java"));
    EXPECT_FALSE(hasJavaExtension("A.javac"));
    EXPECT_FALSE(hasJavaExtension(""));
}

TEST(PathNames, JoinsTheRootAsGivenWithThePathBelowIt) {
    const struct {
        std::string root, relative, name;
    } cases[] = {
        {".", "A.java", "A.java"},
        {"./", "p/A.java", "p/A.java"},
        {".", "", "."},
        {"src", "p/A.java", "src/p/A.java"},
        {"src/", "A.java", "src/A.java"},
        {"/", "A.java", "/A.java"},
        {"./src", "A.java", "./src/A.java"},
        {"..", "A.java", "../A.java"},
        {"src", "", "src"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(joinName(c.root, c.relative), c.name) << c.root << " + " << c.relative;
}

TEST(PathNames, MakesPathsAbsoluteAndCleanAsText) {
    const struct {
        std::string path, absolute;
    } cases[] = {
        {".", "/home/u"},    {"", "/home/u"},      {"src//p/./A.java", "/home/u/src/p/A.java"},
        {"../x", "/home/x"}, {"../../../..", "/"}, {"/abs/./b/../c/", "/abs/c"},
        {"/", "/"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(lexicallyAbsolute(c.path, "/home/u"), c.absolute) << c.path;
}

TEST(PathNames, GivesPathsRelativeToAFolder) {
    const struct {
        std::string path, folder, relative;
    } cases[] = {
        {"src/A.java", ".", "src/A.java"},
        {"src/A.java", "src", "A.java"},
        {".", ".", ""},
        {"src", "src/main", ".."},
        {"test/T.java", "src/main", "../../test/T.java"},
        {"/home/u/x", ".", "x"},
        {"/elsewhere/A.java", "/home/u", "../../elsewhere/A.java"},
        {"srcx/A.java", "src", "../srcx/A.java"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(relativePath(c.path, c.folder, "/home/u"), c.relative)
            << c.path << " from " << c.folder;
}

TEST(PathNames, JoinsRelativePaths) {
    EXPECT_EQ(joinRelative("", "a"), "a");
    EXPECT_EQ(joinRelative("a", ""), "a");
    EXPECT_EQ(joinRelative("a/b", "c"), "a/b/c");
}

} // namespace
} // namespace scan::tree
