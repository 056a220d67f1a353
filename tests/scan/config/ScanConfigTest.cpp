#include "scan/config/ScanConfig.h"

#include "products/quarvel/rule/RuleCatalogue.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

using products::quarvel::rule::findRule;
using products::quarvel::rule::levelName;
using products::quarvel::rule::ruleCatalogue;
using scan::config::ConfigException;
using scan::config::Level;
using scan::config::PathRules;
using scan::config::RuleLevels;
using scan::config::ScanConfig;

namespace {

namespace fs = std::filesystem;

std::string readFile(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    EXPECT_TRUE(in) << file;
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

/// The files a case asks about: the words after "# files:" on a line of its own.
std::vector<std::string> filesAskedAbout(const std::string& toml) {
    std::vector<std::string> files;
    std::istringstream lines(toml);
    std::string line;
    while (std::getline(lines, line)) {
        if (line.rfind("# files:", 0) == 0) {
            std::istringstream words(line.substr(8));
            for (std::string word; words >> word;)
                files.push_back(word);
        }
    }
    return files;
}

std::string joinedPatterns(const std::vector<scan::config::Glob>& globs) {
    std::string text;
    for (const auto& glob : globs)
        text += (text.empty() ? "" : ", ") + glob.pattern();
    return text;
}

/// What a file's levels hold that differs from the rules' defaults, such as "1022 off,
/// 1038 note".
std::string levelChanges(const RuleLevels& levels) {
    std::string text;
    for (const auto& rule : ruleCatalogue()) {
        const std::optional<Level> level = levels.levelOf(rule.number);
        if (level == rule.level)
            continue;
        text += (text.empty() ? "" : ", ") + std::to_string(rule.number) + " " +
                std::string(level ? levelName(*level) : "off");
    }
    return text.empty() ? "default levels" : text;
}

/// The configuration's meaning, one line a setting, then the answers for the files asked
/// about.
std::string describe(const ScanConfig& config, const std::vector<std::string>& files) {
    std::ostringstream out;
    out << "folder: " << config.folder() << "\n";
    if (!config.include().empty())
        out << "include: " << joinedPatterns(config.include()) << "\n";
    if (!config.exclude().empty())
        out << "exclude: " << joinedPatterns(config.exclude()) << "\n";
    if (config.baseline())
        out << "baseline: " << *config.baseline() << "\n";
    for (const auto& rule : ruleCatalogue()) {
        if (const auto setting = config.ruleOverride(rule.number))
            out << "rule " << rule.number << ": " << (*setting ? levelName(**setting) : "off")
                << "\n";
    }
    for (const PathRules& path : config.paths()) {
        out << "paths " << path.glob.pattern() << ": off";
        for (const std::int32_t rule : path.off)
            out << " " << rule;
        out << "\n";
    }
    for (const std::string& file : files) {
        out << "file " << file << ": ";
        if (config.selects(file))
            out << "checked; " << levelChanges(config.levelsFor(file)) << "\n";
        else
            out << "not checked" << (config.excludes(file, false) ? " (excluded)" : "") << "\n";
    }
    return out.str();
}

std::vector<fs::path> caseInputs() {
    std::vector<fs::path> inputs;
    for (const auto& entry : fs::directory_iterator(QUARVEL_SCAN_CONFIG_CASES_DIR)) {
        if (entry.path().extension() == ".toml")
            inputs.push_back(entry.path());
    }
    std::sort(inputs.begin(), inputs.end());
    return inputs;
}

std::string caseName(const testing::TestParamInfo<fs::path>& info) {
    std::string name = info.param.stem().string();
    for (char& c : name) {
        if (!std::isalnum(static_cast<unsigned char>(c)))
            c = '_';
    }
    return name;
}

/// Each case is NAME.toml with NAME.expected beside it: the configuration's meaning as
/// `describe` writes it, or "error: " and the whole message. The file is read as
/// "NAME.toml" in the current folder.
class ScanConfigCase : public testing::TestWithParam<fs::path> {};

TEST_P(ScanConfigCase, MeansWhatTheExpectedFileSays) {
    const fs::path input = GetParam();
    fs::path expectedFile = input;
    expectedFile.replace_extension(".expected");
    const std::string toml = readFile(input);
    const std::string expected = readFile(expectedFile);
    std::string actual;
    try {
        actual =
            describe(ScanConfig::parse(toml, input.filename().string()), filesAskedAbout(toml));
    } catch (const ConfigException& e) {
        actual = "error: " + e.getMessage() + "\n";
    }
    EXPECT_EQ(actual, expected) << input;
}

INSTANTIATE_TEST_SUITE_P(Cases, ScanConfigCase, testing::ValuesIn(caseInputs()), caseName);

TEST(ScanConfig, WithoutAFileChecksEveryFileAtDefaultLevels) {
    const ScanConfig config(".");
    EXPECT_TRUE(config.selects("src/A.java"));
    EXPECT_FALSE(config.excludes("src", true));
    EXPECT_FALSE(config.baseline());
    const RuleLevels levels = config.levelsFor("src/A.java");
    for (const auto& rule : ruleCatalogue())
        EXPECT_EQ(levels.levelOf(rule.number), rule.level) << rule.number;
    EXPECT_TRUE(levels.rulesOff().empty());
    EXPECT_EQ(levels.levelOf(999), std::nullopt);
    EXPECT_EQ(config.ruleOverride(1022), std::nullopt);
}

TEST(ScanConfig, RulesOffAreListedInOrder) {
    const ScanConfig config = ScanConfig::parse("[rules]\n1041 = \"off\"\n1000 = \"off\"\n"
                                                "[[paths]]\nglob = \"t/**\"\noff = [1020]\n",
                                                "quarvel.toml");
    EXPECT_EQ(config.levelsFor("A.java").rulesOff(), (std::vector<std::int32_t>{1000, 1041}));
    EXPECT_EQ(config.levelsFor("t/A.java").rulesOff(),
              (std::vector<std::int32_t>{1000, 1020, 1041}));
}

TEST(ScanConfig, GlobsAndTheBaselineAreRelativeToTheFilesFolder) {
    const std::string toml = "baseline = \"base/line.txt\"\n";
    EXPECT_EQ(ScanConfig::parse(toml, "quarvel.toml").folder(), ".");
    EXPECT_EQ(*ScanConfig::parse(toml, "quarvel.toml").baseline(), "base/line.txt");
    const ScanConfig nested = ScanConfig::parse(toml, "a/b/quarvel.toml");
    EXPECT_EQ(nested.folder(), "a/b");
    EXPECT_EQ(fs::path(*nested.baseline()), fs::path("a/b") / "base/line.txt");
    const ScanConfig absolute = ScanConfig::parse(toml, "/work/quarvel.toml");
    EXPECT_EQ(absolute.folder(), "/work");
    EXPECT_EQ(*ScanConfig::parse("baseline = \"/b.txt\"\n", "a/quarvel.toml").baseline(), "/b.txt");
}

TEST(ScanConfig, AnExcludedFolderIsExcludedWithWhatItHolds) {
    const ScanConfig config =
        ScanConfig::parse("exclude = [\"build/\", \"*.gen.java\"]\n", "quarvel.toml");
    EXPECT_TRUE(config.excludes("build", true));
    EXPECT_FALSE(config.excludes("build", false));
    EXPECT_TRUE(config.excludes("a/build/x/A.java", false));
    EXPECT_FALSE(config.selects("a/build/x/A.java"));
    EXPECT_TRUE(config.excludes("a/B.gen.java", false));
    EXPECT_TRUE(config.selects("a/B.java"));
}

} // namespace
