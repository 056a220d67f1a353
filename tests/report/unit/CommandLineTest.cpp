#include "report/CommandLine.h"

#include <gtest/gtest.h>

using report::Action;
using report::Format;
using report::parseCommandLine;

namespace {

TEST(CommandLine, DefaultsToTheCompilerFormFromStandardInputToStandardOutput) {
    const auto parsed = parseCommandLine({});
    ASSERT_TRUE(parsed.commandLine);
    EXPECT_EQ(parsed.commandLine->action, Action::kConvert);
    EXPECT_EQ(parsed.commandLine->options.format, Format::kGnu);
    EXPECT_EQ(parsed.commandLine->options.input, "");
    EXPECT_EQ(parsed.commandLine->options.output, "");
    EXPECT_FALSE(parsed.commandLine->options.failOnDefects);
}

TEST(CommandLine, ReadsEveryOptionInBothForms) {
    const auto parsed =
        parseCommandLine({"--format", "sarif", "--output=q.sarif", "--fail-on-defects", "run.txt"});
    ASSERT_TRUE(parsed.commandLine) << parsed.error;
    const auto& options = parsed.commandLine->options;
    EXPECT_EQ(options.format, Format::kSarif);
    EXPECT_EQ(options.output, "q.sarif");
    EXPECT_EQ(options.input, "run.txt");
    EXPECT_TRUE(options.failOnDefects);

    const auto other = parseCommandLine({"--format=codeclimate", "--output", "-x", "-"});
    ASSERT_TRUE(other.commandLine) << other.error;
    EXPECT_EQ(other.commandLine->options.format, Format::kCodeClimate);
    EXPECT_EQ(other.commandLine->options.output, "-x");
    EXPECT_EQ(other.commandLine->options.input, "");

    // "-" is standard output, as it is standard input; "./-" is a file of that name.
    for (const auto& arguments : {std::vector<std::string_view>{"--output", "-"},
                                  std::vector<std::string_view>{"--output=-"}}) {
        const auto standard = parseCommandLine(arguments);
        ASSERT_TRUE(standard.commandLine) << standard.error;
        EXPECT_EQ(standard.commandLine->options.output, "");
    }
    EXPECT_EQ(parseCommandLine({"--output", "./-"}).commandLine->options.output, "./-");

    for (const auto& [name, format] : {std::pair{"checkstyle", Format::kCheckstyle},
                                       {"gnu", Format::kGnu},
                                       {"github", Format::kGithub}}) {
        const auto named = parseCommandLine({"--format", name});
        ASSERT_TRUE(named.commandLine);
        EXPECT_EQ(named.commandLine->options.format, format);
    }
}

TEST(CommandLine, ReadsNamesAfterTwoHyphensAsInput) {
    const auto parsed = parseCommandLine({"--", "-run.txt"});
    ASSERT_TRUE(parsed.commandLine) << parsed.error;
    EXPECT_EQ(parsed.commandLine->options.input, "-run.txt");
    EXPECT_EQ(parseCommandLine({"--", "-"}).commandLine->options.input, "-");
}

TEST(CommandLine, KnowsHelpAndVersion) {
    EXPECT_EQ(parseCommandLine({"--help"}).commandLine->action, Action::kHelp);
    EXPECT_EQ(parseCommandLine({"-h"}).commandLine->action, Action::kHelp);
    EXPECT_EQ(parseCommandLine({"--version"}).commandLine->action, Action::kVersion);
}

TEST(CommandLine, SaysWhatIsWrong) {
    EXPECT_EQ(parseCommandLine({"--format", "xml"}).error,
              "unknown format \"xml\"; the formats are sarif, checkstyle, codeclimate, gnu, "
              "github");
    EXPECT_EQ(parseCommandLine({"--format"}).error,
              "--format needs a format: sarif, checkstyle, codeclimate, gnu, github");
    EXPECT_EQ(parseCommandLine({"--output"}).error, "--output needs a file name");
    EXPECT_EQ(parseCommandLine({"--output="}).error, "--output needs a file name");
    EXPECT_EQ(parseCommandLine({"--colour"}).error, "unknown option \"--colour\"");
    EXPECT_EQ(parseCommandLine({"--formats=x"}).error, "unknown option \"--formats=x\"");
    EXPECT_EQ(parseCommandLine({"a.txt", "b.txt"}).error,
              "only one input can be read; \"b.txt\" is one too many");
}

} // namespace
