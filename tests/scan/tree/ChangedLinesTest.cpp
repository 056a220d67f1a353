// The lines new since a revision, with each way of asking git, on repositories changed as
// users change them; and the paths that lead from a walked name to git's.
#include "scan/tree/GitError.h"
#include "scan/tree/WorkTreePaths.h"
#include "tests/scan/tree/ScratchSpace.h"

#include <gtest/gtest.h>

#include <gmock/gmock.h>
#include <map>

namespace scan::tree::testing {
namespace {

using ::testing::ElementsAre;
using ::testing::HasSubstr;
using ::testing::StartsWith;

/// "1-3,7" for lines 1 to 3 and 7; "all" for a whole file.
std::string describe(const NewLines& lines) {
    if (lines.isWholeFile())
        return "all";
    std::string text;
    for (const LineRange& range : lines.ranges()) {
        if (!text.empty())
            text += ",";
        text += std::to_string(range.first);
        if (range.last != range.first)
            text += "-" + std::to_string(range.last);
    }
    return text;
}

std::map<std::string, std::string> describe(const ChangedLines& changes) {
    std::map<std::string, std::string> files;
    for (const auto& [path, lines] : changes.files()) {
        if (const NewLines* found = changes.find(path))
            files[path] = describe(*found);
    }
    return files;
}

std::string numbered(int from, int to) {
    std::string text;
    for (int line = from; line <= to; ++line)
        text += "    int field" + std::to_string(line) + " = " + std::to_string(line) + ";\n";
    return text;
}

class ChangedLinesWith : public ::testing::TestWithParam<GitKind> {
  protected:
    ChangedLines changedLines(const std::string& folder, const std::string& revision) {
        return GetParam().make()->changedLines(folder, revision);
    }
};

TEST_P(ChangedLinesWith, GivesAddedAndChangedLinesRenamesAndUntrackedFiles) {
    ScratchFolder repository;
    writeFile(repository / "Added.java", numbered(1, 10));
    writeFile(repository / "Changed.java", numbered(1, 10));
    writeFile(repository / "Deleted.java", numbered(1, 10));
    writeFile(repository / "old/Renamed.java", numbered(1, 20));
    writeFile(repository / "Gone.java", numbered(1, 5));
    writeFile(repository / "Same.java", numbered(1, 5));
    writeFile(repository / ".gitignore", "Ignored.java\n");
    initRepository(repository.path());

    writeFile(repository / "Added.java",
              numbered(1, 3) + "// new a\n// new b\n" + numbered(4, 10) + "// new at the end\n");
    writeFile(repository / "Changed.java",
              numbered(1, 4) + "    int field5 = 55;\n" + numbered(6, 10));
    writeFile(repository / "Deleted.java", numbered(1, 3) + numbered(7, 10));
    makeFolders(repository / "new");
    runGit(repository.path(), {"mv", "old/Renamed.java", "new/Renamed.java"});
    writeFile(repository / "new/Renamed.java", numbered(1, 19) + "    int field20 = 0;\n");
    runGit(repository.path(), {"rm", "-q", "Gone.java"});
    writeFile(repository / "Staged.java", "class Staged {\n}\n// not like Gone.java\n//\n");
    runGit(repository.path(), {"add", "Staged.java"});
    writeFile(repository / "Untracked.java", numbered(1, 3));
    writeFile(repository / "fresh/Deep.java", numbered(1, 2));
    writeFile(repository / "Ignored.java", numbered(1, 3));

    const ChangedLines changes = changedLines(repository.path(), "HEAD");
    EXPECT_EQ(describe(changes), (std::map<std::string, std::string>{{"Added.java", "4-5,13"},
                                                                     {"Changed.java", "5"},
                                                                     {"fresh/Deep.java", "all"},
                                                                     {"new/Renamed.java", "20"},
                                                                     {"Staged.java", "1-4"},
                                                                     {"Untracked.java", "all"}}));
    EXPECT_EQ(changes.find("Deleted.java"), nullptr);
    EXPECT_EQ(changes.find("Same.java"), nullptr);
    EXPECT_EQ(changes.find("Ignored.java"), nullptr);
    EXPECT_EQ(changes.find("old/Renamed.java"), nullptr);
    EXPECT_EQ(changes.workTree(), repository.path());
}

TEST_P(ChangedLinesWith, ComparesWithAnyRevisionFromAnyFolderOfTheWorkTree) {
    ScratchFolder repository;
    writeFile(repository / "src/A.java", numbered(1, 3));
    initRepository(repository.path());
    const std::string first = runGit(repository.path(), {"rev-parse", "HEAD"}).substr(0, 40);
    writeFile(repository / "src/A.java", numbered(1, 4));
    commitAll(repository.path());
    writeFile(repository / "src/A.java", numbered(1, 5));

    EXPECT_EQ(describe(changedLines(repository / "src", "HEAD")),
              (std::map<std::string, std::string>{{"src/A.java", "5"}}));
    EXPECT_EQ(describe(changedLines(repository / "src", "HEAD~1")),
              (std::map<std::string, std::string>{{"src/A.java", "4-5"}}));
    EXPECT_EQ(describe(changedLines(repository.path(), first)),
              (std::map<std::string, std::string>{{"src/A.java", "4-5"}}));
    EXPECT_EQ(describe(changedLines(repository.path(), "main")),
              (std::map<std::string, std::string>{{"src/A.java", "5"}}));
}

TEST_P(ChangedLinesWith, NamesFilesOfAnyBytesAsTheWorkTreeDoes) {
    ScratchFolder repository;
    const std::vector<std::string> names = {
        "sp ace.java", "quo\"te.java",     "new\nline.java", "\xc3\xa9t\xc3\xa9.java",
        "tab\t.java",  "back\\slash.java", "x/+++ b.java"};
    for (const std::string& name : names)
        writeFile(repository / name, numbered(1, 2));
    initRepository(repository.path());
    std::map<std::string, std::string> expected;
    for (const std::string& name : names) {
        // The added line looks like the header of a file in the patch.
        writeFile(repository / name, numbered(1, 2) + "++ b/Elsewhere.java\n");
        expected[name] = "3";
    }
    EXPECT_EQ(describe(changedLines(repository.path(), "HEAD")), expected);
}

TEST_P(ChangedLinesWith, CountsAnotherRepositoryInsideAsNew) {
    ScratchFolder repository;
    initRepository(repository.path());
    writeFile(repository / "inner/A.java", numbered(1, 2));
    initRepository(repository / "inner");
    const ChangedLines changes = changedLines(repository.path(), "HEAD");
    ASSERT_NE(changes.find("inner/A.java"), nullptr);
    EXPECT_TRUE(changes.find("inner/A.java")->isWholeFile());
    EXPECT_EQ(changes.find("innerA.java"), nullptr);
}

TEST_P(ChangedLinesWith, RefusesAnUnknownRevision) {
    ScratchFolder repository;
    initRepository(repository.path());
    for (const std::string revision : {"no-such-branch", "-p", "HEAD~5", ""}) {
        try {
            changedLines(repository.path(), revision);
            ADD_FAILURE() << "no error for '" << revision << "'";
        } catch (const GitError& error) {
            EXPECT_THAT(error.getMessage(), StartsWith("unknown revision '" + revision + "'"));
        }
    }
}

TEST_P(ChangedLinesWith, RefusesAFolderOutsideEveryWorkTree) {
    ScratchFolder folder;
    try {
        changedLines(folder.path(), "HEAD");
        FAIL() << "no error";
    } catch (const GitError& error) {
        EXPECT_THAT(error.getMessage(),
                    StartsWith("not inside a git work tree: " + folder.path() + " ("));
    }
}

TEST_P(ChangedLinesWith, FindsNoWorkTreeOutsideOneAndTheTopInside) {
    ScratchFolder folder;
    const auto git = GetParam().make();
    EXPECT_EQ(git->workTreeOf(folder.path()), std::nullopt);
    initRepository(folder / "repository");
    makeFolders(folder / "repository/a/b");
    EXPECT_EQ(git->workTreeOf(folder / "repository/a/b"), folder / "repository");
    EXPECT_EQ(git->workTreeOf(folder / "repository"), folder / "repository");
}

INSTANTIATE_TEST_SUITE_P(EachGit, ChangedLinesWith, ::testing::ValuesIn(gitKinds()),
                         [](const auto& kind) { return kind.param.name; });

TEST(WorkTreePaths, GivesGitsPathOfAWalkedName) {
    ScratchFolder folder;
    writeFile(folder / "repository/src/A.java", "");
    writeFile(folder / "elsewhere/B.java", "");
    makeLink(folder / "repository/src", folder / "linked");
    WorkTreePaths paths(folder / "repository");
    EXPECT_EQ(paths.pathOf(folder / "repository/src/A.java"), "src/A.java");
    EXPECT_EQ(paths.pathOf(folder / "repository/src/../src/./A.java"), "src/A.java");
    EXPECT_EQ(paths.pathOf(folder / "linked/A.java"), "src/A.java");
    EXPECT_EQ(paths.pathOf(folder / "repository/Top.java"), "Top.java");
    EXPECT_EQ(paths.pathOf(folder / "elsewhere/B.java"), std::nullopt);
    writeFile(folder / "repository-not/B.java", "");
    EXPECT_EQ(paths.pathOf(folder / "repository-not/B.java"), std::nullopt);
    EXPECT_EQ(paths.pathOf(folder / "missing/B.java"), std::nullopt);
}

} // namespace
} // namespace scan::tree::testing
