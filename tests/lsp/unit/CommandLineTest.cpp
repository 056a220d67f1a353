#include "lsp/CommandLine.h"

#include <gtest/gtest.h>

namespace {

using lsp::CommandLine;

TEST(CommandLine, ReadsTheOptions) {
    std::string error;
    const auto plain = lsp::parseCommandLine({}, error);
    ASSERT_TRUE(plain);
    EXPECT_EQ(plain->action, CommandLine::Action::kServe);
    EXPECT_EQ(plain->debounce.count(), 200);

    const auto editor =
        lsp::parseCommandLine({"--stdio", "--clientProcessId=4711", "--debounce=0"}, error);
    ASSERT_TRUE(editor);
    EXPECT_EQ(editor->action, CommandLine::Action::kServe);
    EXPECT_EQ(editor->debounce.count(), 0);

    EXPECT_EQ(lsp::parseCommandLine({"--help"}, error)->action, CommandLine::Action::kHelp);
    EXPECT_EQ(lsp::parseCommandLine({"--version"}, error)->action, CommandLine::Action::kVersion);
    EXPECT_EQ(lsp::parseCommandLine({"--debounce=10000"}, error)->debounce.count(), 10000);
}

TEST(CommandLine, RefusesWhatItDoesNotKnow) {
    const std::pair<const char*, const char*> cases[] = {
        {"--debounce=10001", "--debounce wants milliseconds from 0 to 10000, not '10001'"},
        {"--debounce=", "--debounce wants milliseconds from 0 to 10000, not ''"},
        {"--debounce=-1", "--debounce wants milliseconds from 0 to 10000, not '-1'"},
        {"--debounce=99999999999999", "--debounce wants milliseconds from 0 to 10000, not "
                                      "'99999999999999'"},
        {"--tcp", "unknown argument '--tcp'"},
        {"file.java", "unknown argument 'file.java'"},
    };
    for (const auto& [argument, message] : cases) {
        std::string error;
        EXPECT_FALSE(lsp::parseCommandLine({argument}, error)) << argument;
        EXPECT_EQ(error, message);
    }
}

} // namespace
