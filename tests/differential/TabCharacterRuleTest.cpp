// Rule 1020 reports every line of the code view that holds a tab; here it is compared with the
// plain loop, one byte at a time, over a code view built on its own from the classifier.
#include "tests/support/Generators.h"
#include "tests/support/PlainSearch.h"
#include "tests/support/RuleHarness.h"
#include "util/parser/compiler/syntaxhighlighter/CodeStripper.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <rapidcheck/gtest.h>

namespace {

using namespace quarvel::testing;
using products::quarvel::rule::DefectList;
using util::parser::compiler::syntaxhighlighter::CodeStripper;

const char kMessage[] = "Tab found. Prefer space when indenting source code.";

/// The code view the rule is meant to see: comments become carriage returns.
std::string codeViewOf(const std::string& raw) {
    return CodeStripper::makeCodeView(raw, '\r');
}

/// Every tab, byte by byte; a tab on the line of the previous one is not reported again.
DefectList plainTabLines(const std::string& code) {
    DefectList defects;
    std::int32_t lastLine = 0;
    for (std::size_t at = 0; at < code.size(); ++at) {
        if (code[at] != '\t')
            continue;
        const std::int32_t line = plainLineAt(code, at);
        if (line != lastLine)
            defects.push_back({"T.java", line, kMessage});
        lastLine = line;
    }
    return defects;
}

// Tabs alone, in runs and among long code; tabs that comments and literals hide.
rc::Gen<std::string> tabTexts() {
    return textOf({"\t", " ", "\n", "x", "\t\t\t", "int a = 1;", "\r\n", "\r", "    ",
                   "abcdefghijklmnopqrstuvwxyz0123456789", "/* \t */", "// \t\n", "\"\t\"", "'\t'",
                   "/*\n\t*/", "\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t"});
}

RC_GTEST_PROP(TabCharacterRule, FindsWhatThePlainAlgorithmFinds, ()) {
    const std::string raw = *tabTexts();
    RC_ASSERT(describe(runRule(1020, raw)) == describe(plainTabLines(codeViewOf(raw))));
}

TEST(TabCharacterRule, GeneratedTextsReachTheCases) {
    std::size_t reported = 0;
    std::size_t tabsOnReportedLines = 0; // more than one per line
    std::size_t hiddenTabs = 0;          // tabs in comments and literals
    std::size_t longLines = 0;           // longer than 32 bytes
    for (const std::string& raw : sampleOf(tabTexts(), 300)) {
        const std::string code = codeViewOf(raw);
        const std::size_t tabs = std::count(code.begin(), code.end(), '\t');
        const std::size_t lines = plainTabLines(code).size();
        reported += lines;
        tabsOnReportedLines += tabs - lines;
        hiddenTabs += std::count(raw.begin(), raw.end(), '\t') - tabs;
        for (std::size_t start = 0, end; (end = code.find('\n', start)) != std::string::npos;
             start = end + 1)
            longLines += end - start > 32;
    }
    EXPECT_GT(reported, 400u);
    EXPECT_GT(tabsOnReportedLines, 4000u);
    EXPECT_GT(hiddenTabs, 1000u);
    EXPECT_GT(longLines, 200u);
}

} // namespace
