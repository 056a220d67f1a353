#include "lsp/Diagnostics.h"

#include "lsp/Analyzer.h"

#include <gtest/gtest.h>

namespace {

using lsp::AnalysisOutcome;
using lsp::Finding;
using lsp::Level;
using Json = nlohmann::json;

Json range(std::int64_t startLine, std::int64_t startCharacter, std::int64_t endLine,
           std::int64_t endCharacter) {
    return {{"start", {{"line", startLine}, {"character", startCharacter}}},
            {"end", {{"line", endLine}, {"character", endCharacter}}}};
}

Level warning(std::int32_t) {
    return Level::kWarning;
}

struct RangeCase {
    const char* name;
    std::string text;
    std::int32_t line;
    Json range;
};

// From the line's first to its last non-blank character, counted in UTF-16.
TEST(Diagnostics, RangesCoverTheLinesText) {
    const RangeCase cases[] = {
        {"blanks around", "a\n\t  int x;  \r\nb", 2, range(1, 3, 1, 9)},
        {"multi-byte characters", "\xC3\xA9\xF0\x9F\x98\x80 x \xE2\x82\xAC\n", 1,
         range(0, 0, 0, 7)},
        {"a stray byte",
         " \xFF"
         "ab\n",
         1, range(0, 1, 0, 4)},
        {"a blank line", "x\n   \ny", 2, range(1, 0, 1, 0)},
        {"an empty last line", "x\n", 2, range(1, 0, 1, 0)},
        {"a line past the end", "x\ny", 9, range(1, 1, 1, 1)},
        {"a lone carriage return inside the line", "a\rb c\n", 1, range(0, 0, 1, 3)},
    };
    for (const RangeCase& c : cases) {
        AnalysisOutcome outcome;
        outcome.findings.push_back({1006, c.line, "Empty catch block."});
        const Json diagnostics = lsp::diagnosticsFor(outcome, c.text, warning);
        ASSERT_EQ(diagnostics.size(), 1u) << c.name;
        EXPECT_EQ(diagnostics[0]["range"], c.range) << c.name;
    }
}

TEST(Diagnostics, CarryTheRuleItsLevelAndItsMessage) {
    AnalysisOutcome outcome;
    outcome.findings.push_back({1006, 1, "Empty catch block."});
    outcome.findings.push_back({1024, 1, "'t\xE9te' is an unknown javadoc tag."});
    const Json diagnostics = lsp::diagnosticsFor(outcome, "x", [](std::int32_t rule) {
        return rule == 1006 ? Level::kError : Level::kNote;
    });
    EXPECT_EQ(diagnostics[0], (Json{{"range", range(0, 0, 0, 1)},
                                    {"severity", 1},
                                    {"code", 1006},
                                    {"source", "quarvel"},
                                    {"message", "Empty catch block."}}));
    EXPECT_EQ(diagnostics[1]["severity"], 3);
    // A byte that is not UTF-8 is the Latin-1 character of its value.
    EXPECT_EQ(diagnostics[1]["message"], "'t\xC3\xA9te' is an unknown javadoc tag.");
}

TEST(Diagnostics, ABadDirectiveIsOneErrorWithoutACode) {
    AnalysisOutcome outcome;
    outcome.directiveError =
        AnalysisOutcome::DirectiveError{2, "Negative warnings no allowed. Line: 2."};
    const Json diagnostics =
        lsp::diagnosticsFor(outcome, "class A {\n  // quarvel disable(-1)\n}", warning);
    EXPECT_EQ(diagnostics, Json::array({{{"range", range(1, 2, 1, 24)},
                                         {"severity", 1},
                                         {"source", "quarvel"},
                                         {"message", "Negative warnings no allowed. Line: 2."}}}));
}

TEST(Analyzer, FindsWhatQuarvelFinds) {
    const lsp::Analyzer analyzer;
    const std::atomic<bool> running{false};
    const std::string text = "package p;\n/** @author a */\nclass A {\n"
                             "  void f() { try { g(); } catch (java.io.IOException e) { } }\n}\n";
    const auto outcome = analyzer.analyse(text, {}, running);
    ASSERT_TRUE(outcome);
    ASSERT_EQ(outcome->findings.size(), 1u);
    EXPECT_EQ(outcome->findings[0].rule, 1006);
    EXPECT_EQ(outcome->findings[0].line, 4);
    EXPECT_EQ(outcome->findings[0].message, "Empty catch block.");

    const auto withoutRule = analyzer.analyse(text, {1006}, running);
    ASSERT_TRUE(withoutRule);
    EXPECT_TRUE(withoutRule->findings.empty());
}

TEST(Analyzer, ABadDirectiveStopsTheRules) {
    const lsp::Analyzer analyzer;
    const std::atomic<bool> running{false};
    const auto outcome = analyzer.analyse("class A {\n\n// quarvel disable(abc)\n}\n", {}, running);
    ASSERT_TRUE(outcome);
    EXPECT_TRUE(outcome->findings.empty());
    ASSERT_TRUE(outcome->directiveError);
    EXPECT_EQ(outcome->directiveError->line, 3);
    EXPECT_EQ(outcome->directiveError->message,
              "Could not convert the string describing the warning to an integer. Line: 3. "
              "Detailed information: Error parsing the string [abc] to an integer");
}

TEST(Analyzer, StopsWhenCancelled) {
    const lsp::Analyzer analyzer;
    const std::atomic<bool> cancelled{true};
    EXPECT_FALSE(analyzer.analyse("class A { }", {}, cancelled));
}

TEST(Analyzer, ReadsTheLineThatAMessageNames) {
    EXPECT_EQ(lsp::lineNamedIn("Negative warnings no allowed. Line: 12."), 12);
    EXPECT_EQ(lsp::lineNamedIn("x Line: 3. y [Line: 9]"), 3);
    EXPECT_EQ(lsp::lineNamedIn("no line"), 1);
    EXPECT_EQ(lsp::lineNamedIn("Line: 99999999999999."), 2147483647);
}

} // namespace
