// The walk over plain folders, without git: which files it takes, the names it gives them,
// links, loops, folders it cannot read and the caller's filter.
#include "scan/tree/TreeWalk.h"

#include "tests/scan/tree/ScratchSpace.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <fcntl.h>
#include <gmock/gmock.h>
#include <sys/stat.h>
#include <unistd.h>

namespace scan::tree::testing {
namespace {

using ::testing::ElementsAre;

WalkResult walk(const std::vector<std::string>& paths, WalkOptions options = {}) {
    options.gitIgnores = false;
    return walkTree(paths, options, nullptr);
}

std::vector<std::string> problemPaths(const WalkResult& result, const std::string& root) {
    std::vector<std::string> paths;
    for (const WalkProblem& problem : result.problems)
        paths.push_back(problem.path.substr(root.size() + 1) + ": " + problem.reason);
    return paths;
}

TEST(TreeWalk, TakesRegularJavaFilesOnlyWithTheExactExtension) {
    ScratchFolder tree;
    for (const char* name : {"A.java", "b/B.java", "b/c/C.java", "D.JAVA", "E.java.txt", "F.jav",
                             "G.javax", "b/notes.txt", ".java"})
        writeFile(tree / name, "class X {}\n");
    makeFolders(tree / "x.java/inner"); // a folder, never a file
    writeFile(tree / "x.java/inner/I.java", "");
    mkfifo((tree / "pipe.java").c_str(), 0600); // not a regular file

    const WalkResult result = walk({tree.path()});
    EXPECT_THAT(namesBelow(result, tree.path()),
                ElementsAre(".java", "A.java", "b/B.java", "b/c/C.java", "x.java/inner/I.java"));
    EXPECT_TRUE(result.problems.empty());
}

TEST(TreeWalk, NeverWalksGitFolders) {
    ScratchFolder tree;
    writeFile(tree / ".git/objects/Hidden.java", "");
    writeFile(tree / "sub/.git/Hidden.java", "");
    writeFile(tree / "sub/Seen.java", "");
    writeFile(tree / ".github/Seen.java", ""); // other hidden folders are walked
    EXPECT_THAT(namesBelow(walk({tree.path()}), tree.path()),
                ElementsAre(".github/Seen.java", "sub/Seen.java"));
}

TEST(TreeWalk, KeepsNamesOfAnyBytesAndSortsThemByBytes) {
    ScratchFolder tree;
    const std::vector<std::string> names = {"with space.java",
                                            "quote\"d.java",
                                            "apostrophe's.java",
                                            "new\nline.java",
                                            "\xc3\xa9t\xc3\xa9.java",
                                            "\xe6\x97\xa5\xe6\x9c\xac.java",
                                            "Z.java",
                                            "a.java",
                                            "tab\there.java",
                                            "\x01"
                                            "control.java",
                                            "back\\slash.java",
                                            "\xff\xfe-not-utf8.java"};
    for (const std::string& name : names)
        writeFile(tree / ("d/" + name), "");
    std::vector<std::string> expected;
    for (const std::string& name : names)
        expected.push_back("d/" + name);
    std::sort(expected.begin(), expected.end()); // std::string compares as unsigned bytes
    EXPECT_EQ(namesBelow(walk({tree.path()}), tree.path()), expected);
}

TEST(TreeWalk, NamesFilesAfterTheRootAsGiven) {
    ScratchFolder tree;
    writeFile(tree / "src/p/A.java", "");
    EXPECT_THAT(namesBelow(walk({tree / "src"}), tree.path()), ElementsAre("src/p/A.java"));
    EXPECT_THAT(namesBelow(walk({tree / "src/"}), tree.path()), ElementsAre("src/p/A.java"));
    EXPECT_THAT(namesBelow(walk({tree / "src/./p"}), tree.path()), ElementsAre("src/./p/A.java"));

    // "." gives names without "./"; the walk starts from the current folder.
    char previous[4096];
    ASSERT_TRUE(getcwd(previous, sizeof previous));
    ASSERT_EQ(chdir((tree / "src").c_str()), 0);
    const WalkResult dot = walk({"."});
    const WalkResult dotSlash = walk({"./"});
    const WalkResult none = walk({});
    const WalkResult relative = walk({"p"});
    ASSERT_EQ(chdir(previous), 0);
    EXPECT_THAT(namesBelow(dot, ""), ElementsAre("p/A.java"));
    EXPECT_THAT(namesBelow(dotSlash, ""), ElementsAre("p/A.java"));
    EXPECT_THAT(namesBelow(none, ""), ElementsAre("p/A.java"));
    EXPECT_THAT(namesBelow(relative, ""), ElementsAre("p/A.java"));
}

TEST(TreeWalk, TakesNamedFilesWhateverTheirNamesAndGivesEachFileOnce) {
    ScratchFolder tree;
    writeFile(tree / "Notes.txt", "");
    writeFile(tree / "A.java", "");
    const WalkResult result =
        walk({tree / "Notes.txt", tree.path(), tree / "A.java", tree / "Notes.txt"});
    EXPECT_THAT(namesBelow(result, tree.path()), ElementsAre("A.java", "Notes.txt"));
}

TEST(TreeWalk, ReportsNamedPathsThatCannotBeReadWithTheSystemsReason) {
    ScratchFolder tree;
    writeFile(tree / "A.java", "");
    mkfifo((tree / "pipe").c_str(), 0600);
    makeLink("loop-b", tree / "loop-a");
    makeLink("loop-a", tree / "loop-b");
    const WalkResult result = walk(
        {tree / "missing", tree / "pipe", tree / "loop-a", tree / "A.java/below", tree.path()});
    EXPECT_THAT(problemPaths(result, tree.path()),
                ElementsAre("A.java/below: Not a directory",
                            "loop-a: Too many levels of symbolic links",
                            "missing: No such file or directory", "pipe: Not a regular file."));
    EXPECT_THAT(namesBelow(result, tree.path()), ElementsAre("A.java"));
}

TEST(TreeWalk, LeavesLinksAloneUnlessAskedToFollowThem) {
    ScratchFolder outside;
    writeFile(outside / "Secret.java", "");
    ScratchFolder tree;
    writeFile(tree / "src/A.java", "");
    makeLink(outside / "Secret.java", tree / "src/LinkToFile.java");
    makeLink(outside.path(), tree / "src/linkToFolder");
    makeLink("A.java", tree / "src/Relative.java");
    makeLink("nowhere", tree / "src/Dangling.java");

    const WalkResult plain = walk({tree.path()});
    EXPECT_THAT(namesBelow(plain, tree.path()), ElementsAre("src/A.java"));
    EXPECT_TRUE(plain.problems.empty());

    WalkOptions follow;
    follow.followLinks = true;
    const WalkResult followed = walk({tree.path()}, follow);
    EXPECT_THAT(namesBelow(followed, tree.path()),
                ElementsAre("src/A.java", "src/LinkToFile.java", "src/Relative.java",
                            "src/linkToFolder/Secret.java"));
    EXPECT_THAT(problemPaths(followed, tree.path()),
                ElementsAre("src/Dangling.java: No such file or directory"));
}

TEST(TreeWalk, FollowsANamedLinkToAFolder) {
    ScratchFolder outside;
    writeFile(outside / "p/A.java", "");
    ScratchFolder tree;
    makeLink(outside.path(), tree / "link");
    EXPECT_THAT(namesBelow(walk({tree / "link"}), tree.path()), ElementsAre("link/p/A.java"));
}

TEST(TreeWalk, ReportsEachLoopOnceWhenFollowingLinks) {
    ScratchFolder tree;
    writeFile(tree / "a/b/B.java", "");
    makeLink("..", tree / "a/b/up");         // back to a
    makeLink("../..", tree / "a/b/top");     // back to the root
    makeLink("../../a", tree / "a/b/again"); // back to a by its name
    makeLink("b", tree / "a/sideways");      // not a loop: b seen a second time, by another name

    const WalkResult plain = walk({tree.path()});
    EXPECT_THAT(namesBelow(plain, tree.path()), ElementsAre("a/b/B.java"));
    EXPECT_TRUE(plain.problems.empty());

    WalkOptions follow;
    follow.followLinks = true;
    const WalkResult followed = walk({tree.path()}, follow);
    EXPECT_THAT(namesBelow(followed, tree.path()), ElementsAre("a/b/B.java", "a/sideways/B.java"));
    const std::string a = tree / "a";
    EXPECT_THAT(problemPaths(followed, tree.path()),
                ElementsAre("a/b/again: file system loop: leads back to '" + a + "'",
                            "a/b/top: file system loop: leads back to '" + tree.path() + "'",
                            "a/b/up: file system loop: leads back to '" + a + "'",
                            "a/sideways/again: file system loop: leads back to '" + a + "'",
                            "a/sideways/top: file system loop: leads back to '" + tree.path() + "'",
                            "a/sideways/up: file system loop: leads back to '" + a + "'"));
}

TEST(TreeWalk, ReportsAFolderItCannotReadAndGoesOn) {
    if (geteuid() == 0)
        GTEST_SKIP() << "root reads every folder whatever its permissions; the test of a "
                        "name too long for the system stands in for this one";
    ScratchFolder tree;
    writeFile(tree / "closed/Hidden.java", "");
    writeFile(tree / "open/A.java", "");
    chmod((tree / "closed").c_str(), 0);
    const WalkResult result = walk({tree.path()});
    EXPECT_THAT(namesBelow(result, tree.path()), ElementsAre("open/A.java"));
    EXPECT_THAT(problemPaths(result, tree.path()), ElementsAre("closed: Permission denied"));
}

/// Folders whose path is longer than the system takes: made one below the other through
/// folder descriptors, so that even root cannot list the deepest by its name.
std::string makeTooDeepFolders(const std::string& top, std::size_t& depth) {
    const std::string name(200, 'd');
    int folder = open(top.c_str(), O_RDONLY | O_DIRECTORY);
    std::string path = top;
    for (depth = 0; path.size() < 4200; ++depth) {
        mkdirat(folder, name.c_str(), 0700);
        const int next = openat(folder, name.c_str(), O_RDONLY | O_DIRECTORY);
        close(folder);
        folder = next;
        path += "/" + name;
    }
    const int file = openat(folder, "Deep.java", O_WRONLY | O_CREAT, 0600);
    close(file);
    close(folder);
    return path;
}

TEST(TreeWalk, ReportsAFolderWhosePathIsTooLongAndGoesOn) {
    ScratchFolder tree;
    writeFile(tree / "A.java", "");
    std::size_t depth = 0;
    makeTooDeepFolders(tree.path(), depth);
    const WalkResult result = walk({tree.path()});
    EXPECT_THAT(namesBelow(result, tree.path()), ElementsAre("A.java"));
    ASSERT_EQ(result.problems.size(), 1u);
    EXPECT_EQ(result.problems[0].reason, "File name too long");
    EXPECT_GT(result.problems[0].path.size(), 4096u);
}

TEST(TreeWalk, AsksTheFilterWithPathsRelativeToItsTop) {
    ScratchFolder tree;
    writeFile(tree / "src/main/A.java", "");
    writeFile(tree / "src/main/gen/G.java", "");
    writeFile(tree / "src/test/ATest.java", "");
    writeFile(tree / "src/test/skip/S.java", "");
    writeFile(tree / "Named.java", "");

    std::vector<std::string> asked;
    WalkOptions options;
    options.filterTop = tree.path();
    options.filter = [&](const std::string& path, bool isFolder) {
        asked.push_back(path + (isFolder ? "/" : ""));
        return path != "src/main/gen" && path != "src/test/ATest.java" && path != "Named.java";
    };
    const WalkResult result = walk({tree / "src", tree / "Named.java"}, options);
    EXPECT_THAT(namesBelow(result, tree.path()),
                ElementsAre("Named.java", "src/main/A.java", "src/test/skip/S.java"));
    EXPECT_EQ(result.excludedFiles, 1u);
    EXPECT_EQ(result.excludedFolders, 1u);
    std::sort(asked.begin(), asked.end());
    // Named files are not asked by default, and nothing inside a folder left out is.
    EXPECT_THAT(asked,
                ElementsAre("src/main/", "src/main/A.java", "src/main/gen/", "src/test/",
                            "src/test/ATest.java", "src/test/skip/", "src/test/skip/S.java"));
    for (const FoundFile& file : result.files)
        EXPECT_EQ(tree / file.filterPath, file.name);

    options.filterNamedFiles = true;
    const WalkResult strict = walk({tree / "Named.java"}, options);
    EXPECT_TRUE(strict.files.empty());
    EXPECT_EQ(strict.excludedFiles, 1u);

    options.filterTop = tree / "src/main";
    options.filter = [&](const std::string& path, bool) { return path != "../test"; };
    EXPECT_THAT(namesBelow(walk({tree / "src"}, options), tree.path()),
                ElementsAre("src/main/A.java", "src/main/gen/G.java"));
}

} // namespace
} // namespace scan::tree::testing
