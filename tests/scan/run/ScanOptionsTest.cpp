// quarvel-scan's command line: each report with its output, the shard from a CI system's
// variables, and every mistake refused with what is wrong.
#include "scan/cli/ScanOptions.h"

#include <gtest/gtest.h>

#include <map>

namespace {

using scan::cli::Format;
using scan::cli::parseCommandLine;

std::map<std::string, std::string> variables;
std::optional<std::string> fakeEnvironment(const char* name) {
    const auto found = variables.find(name);
    if (found == variables.end())
        return std::nullopt;
    return found->second;
}

scan::cli::ParsedCommandLine parse(std::vector<std::string_view> arguments) {
    return parseCommandLine(arguments, fakeEnvironment);
}

std::string reportsOf(const scan::cli::ParsedCommandLine& parsed) {
    std::string text;
    for (const scan::cli::Report& report : parsed.options.reports)
        text += std::string(scan::cli::formatName(report.format)) + ">" +
                (report.output.empty() ? "-" : report.output) + " ";
    return text;
}

TEST(ScanOptions, EachOutputBelongsToTheFormatBeforeIt) {
    const struct {
        std::vector<std::string_view> arguments;
        std::string reports;
    } cases[] = {
        {{}, ""},
        {{"--format", "sarif", "--output", "a.sarif", "--format", "summary"},
         "sarif>a.sarif summary>- "},
        {{"--output", "a.sarif", "--format", "sarif"}, "sarif>a.sarif "},
        {{"--format", "summary", "--format", "sarif", "--output", "a.sarif"},
         "summary>- sarif>a.sarif "},
        {{"--format=gnu", "--output=-"}, "gnu>- "},
        {{"--output", "x.txt"}, "text>x.txt "},
    };
    for (const auto& c : cases) {
        const auto parsed = parse(c.arguments);
        EXPECT_EQ(parsed.error, "");
        EXPECT_EQ(reportsOf(parsed), c.reports);
    }
}

TEST(ScanOptions, PathsOptionsAndDefaults) {
    const auto parsed = parse({"src", "--follow", "--", "--weird", "-"});
    ASSERT_EQ(parsed.error, "");
    EXPECT_EQ(parsed.options.paths, (std::vector<std::string>{"src", "--weird", "-"}));
    EXPECT_TRUE(parsed.options.followLinks);
    EXPECT_EQ(parse({}).options.paths, std::vector<std::string>{"."});
    EXPECT_EQ(parse({}).options.maxResults, 25000u);
    EXPECT_EQ(parse({}).options.maxAnnotations, 50u);
    EXPECT_EQ(parse({}).options.failOn, scan::cli::FailOn::kNew);
    EXPECT_EQ(parse({"--fail-on", "any", "--max-defects", "7"}).options.maxDefects, 7u);
    EXPECT_EQ(parse({"--help", "--nonsense"}).action, scan::cli::Action::kHelp);
}

TEST(ScanOptions, TheShardOfACiSystem) {
    variables = {{"CI_NODE_INDEX", "2"}, {"CI_NODE_TOTAL", "3"}};
    auto parsed = parse({});
    ASSERT_TRUE(parsed.options.shard);
    EXPECT_EQ(parsed.options.shard->index, 2u);
    EXPECT_EQ(parsed.options.shard->count, 3u);
    parsed = parse({"--shard", "1/4"});
    EXPECT_EQ(parsed.options.shard->count, 4u) << "the command line comes first";
    variables = {{"CI_NODE_INDEX", "5"}, {"CI_NODE_TOTAL", "3"}};
    EXPECT_NE(parse({}).error, "");
    variables = {{"CI_NODE_INDEX", "1"}};
    EXPECT_FALSE(parse({}).options.shard) << "one variable alone is no shard";
    variables.clear();
}

TEST(ScanOptions, MistakesAreRefused) {
    const struct {
        std::vector<std::string_view> arguments;
        std::string error;
    } cases[] = {
        {{"--format", "pdf"},
         "unknown format 'pdf' (formats: text, sarif, checkstyle, "
         "codeclimate, gnu, github, summary, shard)"},
        {{"--colour"}, "unknown option '--colour'"},
        {{"--format"}, "--format needs a value"},
        {{"--format", "gnu", "--format", "text"},
         "only one report can go to standard output: give the others --output"},
        {{"--output", "a", "--output", "b"}, "two --output options for one --format"},
        {{"--shard", "0/3"}, "--shard takes K/N with 1 <= K <= N, not '0/3'"},
        {{"--shard", "3"}, "--shard takes K/N with 1 <= K <= N, not '3'"},
        {{"--max-results", "-1"}, "--max-results takes a number, not '-1'"},
        {{"--fail-on", "some"}, "--fail-on takes none, any or new, not 'some'"},
        {{"--jobs", "0"}, "--jobs takes a number from 1 to 1024"},
        {{"--baseline", "b", "--write-baseline", "c"},
         "--baseline and --write-baseline exclude each other"},
        {{"--merge"}, "--merge needs the shard files to combine"},
        {{"--merge", "a", "--shard", "1/2"},
         "--merge combines what the shards found: give --shard, --baseline and --new-from-rev "
         "to the shards"},
        {{"--no-config", "--config-file", "q.toml"},
         "--no-config and --config-file exclude each other"},
        {{"--new-from-rev", ""}, "--new-from-rev needs a revision"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(parse(c.arguments).error, c.error);
}

} // namespace
