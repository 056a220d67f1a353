// The walk in git work trees, with each way of asking git: what git ignores is left out,
// what it tracks is kept, and another repository inside has its own rules.
#include "scan/tree/LibraryGit.h"
#include "scan/tree/TreeWalk.h"
#include "tests/scan/tree/ScratchSpace.h"

#include <gtest/gtest.h>

#include <gmock/gmock.h>

namespace scan::tree::testing {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

class GitIgnoreWalk : public ::testing::TestWithParam<GitKind> {
  protected:
    WalkResult walk(const std::vector<std::string>& paths, WalkOptions options = {}) {
        const auto git = GetParam().make();
        return walkTree(paths, options, git.get());
    }
};

TEST_P(GitIgnoreWalk, LeavesOutWhatTheIgnoreFilesOfEveryLevelIgnore) {
    ScratchFolder repository;
    writeFile(repository / ".gitignore", "build/\n*.gen.java\n!Keep.gen.java\n/Top.java\n");
    writeFile(repository / "src/.gitignore", "Local*.java\n!LocalKept.java\n");
    writeFile(repository / "src/A.java", "");
    writeFile(repository / "src/Keep.gen.java", ""); // the negation takes it back
    writeFile(repository / "src/Other.gen.java", "");
    writeFile(repository / "src/LocalOnly.java", "");
    writeFile(repository / "src/LocalKept.java", "");
    writeFile(repository / "Top.java", "");
    writeFile(repository / "sub/Top.java", "");         // "/Top.java" holds at the top only
    writeFile(repository / "build/classes/B.java", ""); // a folder git ignores
    writeFile(repository / "lib/build/C.java", "");     // "build/" at any depth
    initRepository(repository.path());

    const WalkResult result = walk({repository.path()});
    EXPECT_THAT(
        namesBelow(result, repository.path()),
        ElementsAre("src/A.java", "src/Keep.gen.java", "src/LocalKept.java", "sub/Top.java"));
    EXPECT_EQ(result.ignoredFiles, 3u);   // Other.gen.java, LocalOnly.java, Top.java
    EXPECT_EQ(result.ignoredFolders, 2u); // build, lib/build: not entered
    EXPECT_THAT(result.warnings, IsEmpty());
    EXPECT_THAT(result.problems, IsEmpty());
}

TEST_P(GitIgnoreWalk, KeepsWhatGitTracksThoughARuleMatchesIt) {
    ScratchFolder repository;
    initRepository(repository.path());
    writeFile(repository / "out/Tracked.java", "");
    writeFile(repository / "Forced.gen.java", "");
    writeFile(repository / "outside/X.java", ""); // a name that "out" begins
    runGit(repository.path(), {"add", "out/Tracked.java", "Forced.gen.java", "outside/X.java"});
    commitAll(repository.path());
    writeFile(repository / ".gitignore", "out/\n*.gen.java\nou/\n");
    writeFile(repository / "ou/U.java", ""); // holds nothing tracked: not entered
    writeFile(repository / "out/Untracked.java", "");
    writeFile(repository / "out/deep/Deeper.java", "");
    writeFile(repository / "Other.gen.java", "");

    const WalkResult result = walk({repository.path()});
    EXPECT_THAT(namesBelow(result, repository.path()),
                ElementsAre("Forced.gen.java", "out/Tracked.java", "outside/X.java"));
    EXPECT_EQ(result.ignoredFiles, 2u);   // out/Untracked.java, Other.gen.java
    EXPECT_EQ(result.ignoredFolders, 2u); // out/deep, ou
}

TEST_P(GitIgnoreWalk, ReadsTheRepositorysExcludeFileAndTheUsersExcludesFile) {
    ScratchFolder repository;
    initRepository(repository.path());
    writeFile(repository / ".git/info/exclude", "Private.java\n");
    writeFile(globalConfigFile() + ".excludes", "*Scratch.java\n");
    runGit(repository.path(),
           {"config", "--global", "core.excludesFile", globalConfigFile() + ".excludes"});
    writeFile(repository / "Private.java", "");
    writeFile(repository / "p/MyScratch.java", "");
    writeFile(repository / "p/Kept.java", "");

    const WalkResult result = walk({repository.path()});
    EXPECT_THAT(namesBelow(result, repository.path()), ElementsAre("p/Kept.java"));
    EXPECT_EQ(result.ignoredFiles, 2u);
}

TEST_P(GitIgnoreWalk, AppliesTheRulesBelowANamedFolderInsideTheWorkTree) {
    ScratchFolder repository;
    writeFile(repository / ".gitignore", "gen/\nsrc/Old.java\n");
    writeFile(repository / "src/A.java", "");
    writeFile(repository / "src/Old.java", "");
    writeFile(repository / "src/gen/G.java", "");
    initRepository(repository.path());
    EXPECT_THAT(namesBelow(walk({repository / "src"}), repository.path()),
                ElementsAre("src/A.java"));
}

TEST_P(GitIgnoreWalk, WalksANamedFolderThatGitIgnoresWhole) {
    ScratchFolder repository;
    writeFile(repository / ".gitignore", "generated/\n");
    writeFile(repository / "generated/p/G.java", "");
    writeFile(repository / "generated/H.java", "");
    initRepository(repository.path());
    EXPECT_THAT(namesBelow(walk({repository / "generated"}), repository.path()),
                ElementsAre("generated/H.java", "generated/p/G.java"));
    EXPECT_THAT(namesBelow(walk({repository / "generated/p"}), repository.path()),
                ElementsAre("generated/p/G.java"));
    // A named file is taken whatever git says of it.
    EXPECT_THAT(namesBelow(walk({repository / "generated/H.java"}), repository.path()),
                ElementsAre("generated/H.java"));
}

TEST_P(GitIgnoreWalk, GivesAnotherRepositoryInsideItsOwnRules) {
    ScratchFolder repository;
    writeFile(repository / ".gitignore", "*.tmp.java\nvendored/\n");
    writeFile(repository / "A.java", "");
    initRepository(repository.path());
    writeFile(repository / "inner/.gitignore", "Skip.java\n");
    writeFile(repository / "inner/Skip.java", "");
    writeFile(repository / "inner/Own.tmp.java", ""); // the outer rules stop at its edge
    writeFile(repository / "inner/B.java", "");
    initRepository(repository / "inner");
    writeFile(repository / "vendored/V.java", ""); // the outer repository ignores it whole
    initRepository(repository / "vendored");

    const WalkResult result = walk({repository.path()});
    EXPECT_THAT(namesBelow(result, repository.path()),
                ElementsAre("A.java", "inner/B.java", "inner/Own.tmp.java"));
    EXPECT_EQ(result.ignoredFiles, 1u);
    EXPECT_EQ(result.ignoredFolders, 1u);
}

TEST_P(GitIgnoreWalk, FindsRepositoriesInsideAFolderThatIsNone) {
    ScratchFolder projects;
    writeFile(projects / "one/.gitignore", "Gen.java\n");
    writeFile(projects / "one/Gen.java", "");
    writeFile(projects / "one/A.java", "");
    initRepository(projects / "one");
    writeFile(projects / "loose/Gen.java", ""); // outside every work tree: no rules
    const WalkResult result = walk({projects.path()});
    EXPECT_THAT(namesBelow(result, projects.path()), ElementsAre("loose/Gen.java", "one/A.java"));
}

TEST_P(GitIgnoreWalk, KeepsIgnoredNamesOfAnyBytesApart) {
    ScratchFolder repository;
    const std::string odd = "sp ace \"quote\" \xc3\xa9\xe6\x97\xa5";
    writeFile(repository / ".gitignore", "Ign*\n");
    writeFile(repository / (odd + "/Ign.java"), "");
    writeFile(repository / (odd + "/Kept.java"), "");
    writeFile(repository / "new\nline/Ign\nored.java", "");
    writeFile(repository / "new\nline/K\xc3\xa9pt.java", "");
    initRepository(repository.path());
    EXPECT_THAT(namesBelow(walk({repository.path()}), repository.path()),
                ElementsAre("new\nline/K\xc3\xa9pt.java", odd + "/Kept.java"));
}

TEST_P(GitIgnoreWalk, PassesTheFilterOnlyWhatGitKeeps) {
    ScratchFolder repository;
    writeFile(repository / ".gitignore", "build/\n");
    writeFile(repository / "build/B.java", "");
    writeFile(repository / "test/T.java", "");
    writeFile(repository / "A.java", "");
    initRepository(repository.path());
    WalkOptions options;
    options.filterTop = repository.path();
    options.filter = [](const std::string& path, bool) { return path != "test"; };
    const WalkResult result = walk({repository.path()}, options);
    EXPECT_THAT(namesBelow(result, repository.path()), ElementsAre("A.java"));
    EXPECT_EQ(result.ignoredFolders, 1u);
    EXPECT_EQ(result.excludedFolders, 1u);

    options.gitIgnores = false;
    EXPECT_THAT(namesBelow(walk({repository.path()}, options), repository.path()),
                ElementsAre("A.java", "build/B.java"));
}

INSTANTIATE_TEST_SUITE_P(EachGit, GitIgnoreWalk, ::testing::ValuesIn(gitKinds()),
                         [](const auto& kind) { return kind.param.name; });

// git lets a negation in a .gitignore file take back what a source of lower precedence
// ignores (the repository's exclude file, the user's excludes file); the git library does
// not. When this test fails, the library has come to agree with git: take the difference
// out of scan/tree/README.md and the exclude rules of the differential test.
TEST(GitIgnoreWalkKnownDifference, NegationsTakeBackWhatTheExcludeFileIgnoresOnlyForTheProgram) {
    ScratchFolder repository;
    initRepository(repository.path());
    writeFile(repository / ".git/info/exclude", "*.gen.java\n");
    writeFile(repository / ".gitignore", "!Keep.gen.java\n");
    writeFile(repository / "Keep.gen.java", "");
    writeFile(repository / "Other.gen.java", "");
    EXPECT_EQ(runGit(repository.path(), {"ls-files", "--others", "--exclude-standard"}),
              ".gitignore\nKeep.gen.java\n");
    const auto program = makeProgramGit();
    EXPECT_THAT(namesBelow(walkTree({repository.path()}, {}, program.get()), repository.path()),
                ElementsAre("Keep.gen.java"));
    const auto library = makeLibraryGit();
    EXPECT_THAT(namesBelow(walkTree({repository.path()}, {}, library.get()), repository.path()),
                IsEmpty());
}

TEST(GitIgnoreWalkWithoutGit, WarnsAndWalksWithoutRulesWhenGitCannotRun) {
    ScratchFolder repository;
    writeFile(repository / ".gitignore", "Ignored.java\n");
    writeFile(repository / "Ignored.java", "");
    initRepository(repository.path());
    const auto git = makeProgramGit("quarvel-test-no-such-git");
    const WalkResult result = walkTree({repository.path(), repository.path()}, {}, git.get());
    EXPECT_THAT(namesBelow(result, repository.path()), ElementsAre("Ignored.java"));
    EXPECT_THAT(result.warnings,
                ElementsAre("git's ignore rules are not applied: cannot run "
                            "quarvel-test-no-such-git (No such file or directory)"));
}

} // namespace
} // namespace scan::tree::testing
