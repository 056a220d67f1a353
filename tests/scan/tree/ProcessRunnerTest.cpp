// Running a program: arguments of any bytes, both outputs whole, exit statuses, a program
// that cannot be started; and the command line Windows programs split back into arguments.
#include "platform/ProcessRunner.h"

#include "platform/Platform.h"
#include "platform/WindowsCommandLine.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <cstdlib>

namespace platform {
namespace {

TEST(ProcessRunner, PassesEachArgumentByteForByte) {
    const std::vector<std::string> arguments = {"plain",     "with space",   "quote\"d", "",
                                                "new\nline", "\xc3\xa9\xff", "$HOME",    "*"};
    std::vector<std::string> command = {"sh", "-c", "printf '%s\\0' \"$@\"", "sh"};
    command.insert(command.end(), arguments.begin(), arguments.end());
    const auto outcome = runProgram(command);
    ASSERT_TRUE(outcome);
    std::string expected;
    for (const std::string& argument : arguments)
        expected += argument + '\0';
    EXPECT_EQ(outcome->output, expected);
    EXPECT_EQ(outcome->exitStatus, 0);
}

TEST(ProcessRunner, ReadsBothOutputsWholeHoweverLong) {
    // More than a pipe holds on each, written in turns: a reader of one pipe at a time
    // would wait for ever.
    const auto outcome =
        runProgram({"sh", "-c",
                    "i=0; while [ $i -lt 2000 ]; do "
                    "printf '%0500d\\n' $i; printf '%0300d\\n' $i >&2; i=$((i+1)); done; exit 3"});
    ASSERT_TRUE(outcome);
    EXPECT_EQ(outcome->output.size(), 2000u * 501);
    EXPECT_EQ(outcome->errorOutput.size(), 2000u * 301);
    EXPECT_EQ(outcome->exitStatus, 3);
}

TEST(ProcessRunner, GivesAnEmptyInputAndTellsASignal) {
    const auto reading = runProgram({"cat"});
    ASSERT_TRUE(reading);
    EXPECT_EQ(reading->output, "");
    const auto killed = runProgram({"sh", "-c", "kill -TERM $$"});
    ASSERT_TRUE(killed);
    EXPECT_EQ(killed->exitStatus, 128 + 15);
}

TEST(ProcessRunner, LeavesOutTheVariablesNamed) {
    setenv("QUARVEL_TEST_GONE", "x", 1);
    setenv("QUARVEL_TEST_GONE_NOT", "y", 1);
    const auto outcome = runProgram(
        {"sh", "-c", "echo \"${QUARVEL_TEST_GONE-unset} ${QUARVEL_TEST_GONE_NOT-unset}\""},
        {"QUARVEL_TEST_GONE"});
    ASSERT_TRUE(outcome);
    EXPECT_EQ(outcome->output, "unset y\n");
}

TEST(ProcessRunner, TellsWhyAProgramCannotStart) {
    EXPECT_FALSE(runProgram({"quarvel-test-no-such-program"}));
    EXPECT_EQ(lastErrorCode(), ENOENT);
    EXPECT_FALSE(runProgram({}));
}

TEST(WindowsCommandLine, QuotesWhatTheRuntimeWouldSplitOrUnescape) {
    const struct {
        std::vector<std::string> arguments;
        std::string line;
    } cases[] = {
        {{"git", "-C", "C:\\work\\repo"}, R"(git -C C:\work\repo)"},
        {{"a b", ""}, R"("a b" "")"},
        {{"say \"hi\""}, R"("say \"hi\"")"},
        {{"C:\\with space\\"}, R"("C:\with space\\")"},
        {{"back\\\\\"quote"}, R"("back\\\\\"quote")"},
        {{"tab\there"}, "\"tab\there\""},
        {{"no\\quote\\"}, R"(no\quote\)"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(windowsCommandLine(c.arguments), c.line);
}

} // namespace
} // namespace platform
