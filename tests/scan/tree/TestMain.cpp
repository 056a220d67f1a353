// The git configuration of the user who runs the tests must not change what git does in
// them: each test process gets a home folder of its own, with a configuration that names
// the committer and nothing else.
#include "tests/scan/tree/ScratchSpace.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    auto home = std::make_unique<scan::tree::testing::ScratchFolder>();
    setenv("HOME", home->path().c_str(), 1);
    setenv("XDG_CONFIG_HOME", (*home / ".config").c_str(), 1);
    setenv("GIT_CONFIG_GLOBAL", (*home / ".gitconfig").c_str(), 1);
    setenv("GIT_CONFIG_NOSYSTEM", "1", 1);
    for (const char* variable : {"GIT_DIR", "GIT_WORK_TREE", "GIT_INDEX_FILE",
                                 "GIT_CEILING_DIRECTORIES", "GIT_OBJECT_DIRECTORY"})
        unsetenv(variable);
    scan::tree::testing::writeFile(scan::tree::testing::globalConfigFile(),
                                   "[user]\n\tname = Test\n\temail = test@example.invalid\n"
                                   "[init]\n\tdefaultBranch = main\n"
                                   "[core]\n\tautocrlf = false\n");
    const int status = RUN_ALL_TESTS();
    home.reset();
    return status;
}
