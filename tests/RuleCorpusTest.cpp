// Runs one rule over each Java input of tests/rules and compares its defects with the ones the
// input expects. The rule is the number the file name starts with (NNNN-what.java).
//
// Expected defects are written as "EXPECT NNNN" or "EXPECT NNNN 'message'" in a comment on
// the line where the defect is reported; a line can hold several. Such lists are compared
// in line order. When a file "<input>.expected" stands beside the input, it is used instead,
// one defect per line as "LINE NNNN message", and the defects must come in exactly its order.
#include "products/quarvel/rule/AllRules.h"
#include "tests/support/PlainSearch.h"
#include "tests/support/RuleHarness.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <set>
#include <sstream>

namespace {

using products::quarvel::rule::Defect;
using products::quarvel::rule::DefectList;
using quarvel::testing::EveryPositionSearch;
using quarvel::testing::runRule;

struct Expected {
    std::int32_t line;
    std::int32_t rule;
    std::string message; // empty: any message
};

std::string readWhole(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

std::vector<Expected> annotationsIn(const std::string& source) {
    static const std::string kMarker = "EXPECT ";
    std::vector<Expected> expected;
    std::int32_t line = 1;
    std::size_t lineStart = 0;
    while (lineStart <= source.size()) {
        std::size_t lineEnd = source.find('\n', lineStart);
        if (lineEnd == std::string::npos)
            lineEnd = source.size();
        const std::string text = source.substr(lineStart, lineEnd - lineStart);
        for (std::size_t at = text.find(kMarker); at != std::string::npos;
             at = text.find(kMarker, at + 1)) {
            const std::size_t number = at + kMarker.size();
            if (number + 4 > text.size() ||
                !std::all_of(text.begin() + number, text.begin() + number + 4,
                             [](char c) { return c >= '0' && c <= '9'; }))
                continue;
            Expected e{line, std::stoi(text.substr(number, 4)), ""};
            // An optional message follows as " 'text'".
            if (text.compare(number + 4, 2, " '") == 0) {
                const std::size_t close = text.find('\'', number + 6);
                if (close != std::string::npos)
                    e.message = text.substr(number + 6, close - number - 6);
            }
            expected.push_back(e);
        }
        lineStart = lineEnd + 1;
        ++line;
    }
    return expected;
}

std::vector<Expected> expectedFile(const std::string& text) {
    std::vector<Expected> expected;
    std::istringstream lines(text);
    std::string entry;
    while (std::getline(lines, entry)) {
        if (entry.empty())
            continue;
        std::istringstream fields(entry);
        Expected e{};
        fields >> e.line >> e.rule;
        std::getline(fields >> std::ws, e.message);
        expected.push_back(e);
    }
    return expected;
}

std::string describe(const std::vector<Expected>& list) {
    std::string text;
    for (const Expected& e : list)
        text += "  " + std::to_string(e.line) + " Rule(" + std::to_string(e.rule) + ") " +
                (e.message.empty() ? "<any message>" : e.message) + "\n";
    return text.empty() ? "  (none)\n" : text;
}

bool same(const Expected& expected, const Expected& actual) {
    return expected.line == actual.line && expected.rule == actual.rule &&
           (expected.message.empty() || expected.message == actual.message);
}

class RuleCorpus : public testing::TestWithParam<std::filesystem::path> {};

TEST_P(RuleCorpus, ReportsExactlyTheExpectedDefects) {
    const std::filesystem::path& input = GetParam();
    const std::string fileName = input.filename().string();
    const std::int32_t ruleNumber = std::stoi(fileName.substr(0, 4));

    const std::string raw = readWhole(input);
    const DefectList found = runRule(ruleNumber, raw, fileName);
    // The rule's patterns promise where their matches can start; a search at every position
    // must find the same.
    DefectList foundEverywhere;
    {
        const EveryPositionSearch everywhere;
        foundEverywhere = runRule(ruleNumber, raw, fileName);
    }
    EXPECT_EQ(found, foundEverywhere) << "the anchors of the rule's patterns miss matches";

    std::vector<Expected> actual;
    for (const Defect& defect : found) {
        EXPECT_EQ(defect.fileName, fileName);
        actual.push_back({defect.line, ruleNumber, defect.message});
    }

    std::filesystem::path sidecar = input;
    sidecar += ".expected";
    std::vector<Expected> expected;
    if (std::filesystem::exists(sidecar)) {
        expected = expectedFile(readWhole(sidecar));
    } else {
        expected = annotationsIn(raw);
        const auto byLine = [](const Expected& a, const Expected& b) { return a.line < b.line; };
        std::stable_sort(expected.begin(), expected.end(), byLine);
        std::stable_sort(actual.begin(), actual.end(), byLine);
    }

    const bool equal = expected.size() == actual.size() &&
                       std::equal(expected.begin(), expected.end(), actual.begin(), same);
    EXPECT_TRUE(equal) << "expected:\n" << describe(expected) << "actual:\n" << describe(actual);
}

std::vector<std::filesystem::path> corpusInputs() {
    std::vector<std::filesystem::path> inputs;
    for (const auto& entry : std::filesystem::directory_iterator(QUARVEL_RULE_CASES_DIR)) {
        if (entry.path().extension() == ".java")
            inputs.push_back(entry.path());
    }
    std::sort(inputs.begin(), inputs.end());
    return inputs;
}

std::string testName(const testing::TestParamInfo<std::filesystem::path>& info) {
    std::string name = info.param.stem().string();
    for (char& c : name) {
        if (!std::isalnum(static_cast<unsigned char>(c)))
            c = '_';
    }
    return "r" + name;
}

// A rule without inputs here would have no test of what it reports.
TEST(RuleCorpusInputs, EveryRuleHasAnInput) {
    std::set<std::string> numbers;
    for (const std::filesystem::path& input : corpusInputs())
        numbers.insert(input.filename().string().substr(0, 4));
    const products::quarvel::rule::AllRules rules;
    for (const auto& [number, rule] : rules.registry())
        EXPECT_EQ(numbers.count(std::to_string(number)), 1u)
            << "no tests/rules/" << number << "-<slug>.java";
}

INSTANTIATE_TEST_SUITE_P(Inputs, RuleCorpus, testing::ValuesIn(corpusInputs()), testName);
GTEST_ALLOW_UNINSTANTIATED_PARAMETERIZED_TEST(RuleCorpus);

} // namespace
