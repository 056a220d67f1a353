// Rule 1039 blanks nested switches and finds case sections without copying bodies or running
// the case pattern; here it is compared with the plain algorithm, which copies each body,
// blanks it and searches it with the patterns, on random switch-shaped texts.
#include "products/quarvel/rule/BreakInSwitchRule.h"

#include "products/quarvel/rule/PatternSearch.h"
#include "util/StringHelper.h"
#include "util/parser/compiler/syntaxhighlighter/CodeStripper.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

namespace {

using products::quarvel::rule::BreakInSwitchRule;
using products::quarvel::rule::DefectList;
using products::quarvel::rule::findMatchingClose;
using products::quarvel::rule::forEachMatch;
using products::quarvel::rule::Match;
using products::quarvel::rule::Pattern;
using products::quarvel::rule::Resume;
using util::parser::compiler::syntaxhighlighter::CodeStripper;

const Pattern kSwitch(R"(switch\s*\([^\{]+\{.)");
const Pattern kCaseSection(R"(case\s+[^:]*?:(.*?)(case\s+[^\s;:]*?:|default:))");

bool fallsThrough(const std::string& section) {
    const std::string code = CodeStripper::makeCodeView(section, ' ');
    if (code.find(';') == std::string::npos)
        return false;
    for (const char* word : {"break", "return", "throw", "continue"}) {
        if (code.find(word) != std::string::npos)
            return false;
    }
    return section.find("fall through") == std::string::npos &&
           section.find("falls through") == std::string::npos;
}

/// The lines rule 1039 reports, found the plain way.
std::vector<std::int32_t> plainLines(const std::string& raw) {
    std::vector<std::int32_t> lines;
    forEachMatch(kSwitch, raw, [&](const Match& outer) -> Resume {
        const std::size_t bodyStart = outer.end() - 1;
        const auto close = findMatchingClose(raw, bodyStart, '{', '}');
        if (!close)
            return outer.end();
        std::string body = raw.substr(bodyStart, *close - bodyStart);
        forEachMatch(kSwitch, body, [&](const Match& nested) -> Resume {
            const auto nestedClose = findMatchingClose(body, nested.end() - 1, '{', '}');
            if (!nestedClose)
                return std::nullopt;
            std::fill(body.begin() + static_cast<std::ptrdiff_t>(nested.begin()),
                      body.begin() + static_cast<std::ptrdiff_t>(*nestedClose) + 1, ' ');
            return *nestedClose + 1;
        });
        forEachMatch(kCaseSection, body, [&](const Match& section) -> Resume {
            if (fallsThrough(section.groupText(body, 1)))
                lines.push_back(util::lineNumberAt(raw, bodyStart + section.begin()));
            return section.group(2).begin;
        });
        return outer.end();
    });
    return lines;
}

std::vector<std::int32_t> ruleLines(const std::string& raw) {
    std::vector<std::int32_t> lines;
    for (const auto& defect : BreakInSwitchRule().checkRaw(raw, "T.java"))
        lines.push_back(defect.line);
    return lines;
}

/// A random switch statement: labels, statements, remarks, noise and nested switches.
std::string randomSwitch(std::mt19937& random, int depth) {
    static const char* const pieces[] = {"case 1:",
                                         "case 2:",
                                         "f();",
                                         "g(); ",
                                         "case a b:",
                                         " case\tq :",
                                         "default:",
                                         "default :",
                                         "f();",
                                         "break;",
                                         " ",
                                         "\n",
                                         "// fall through\n",
                                         "fall",
                                         " through",
                                         "/*",
                                         "*/",
                                         "\"",
                                         "'",
                                         ";",
                                         "return",
                                         "x",
                                         "{",
                                         "}",
                                         "\r\n",
                                         "case"};
    std::string text = random() % 2 ? "switch (x) {" : "switch(y)\n{";
    for (int k = 0, n = 2 + static_cast<int>(random() % 12); k < n; ++k) {
        if (depth < 3 && random() % 8 == 0)
            text += randomSwitch(random, depth + 1);
        else
            text += pieces[random() % std::size(pieces)];
    }
    return text + "}";
}

TEST(BreakInSwitchRule, FindsWhatThePlainAlgorithmFinds) {
    std::mt19937 random(1039);
    std::size_t reported = 0;
    for (int round = 0; round < 3000; ++round) {
        std::string raw = "class A {\n";
        for (int k = 0, n = 1 + round % 4; k < n; ++k)
            raw += randomSwitch(random, 0) + (random() % 3 ? "\n" : "");
        const std::vector<std::int32_t> expected = plainLines(raw);
        ASSERT_EQ(ruleLines(raw), expected) << raw;
        reported += expected.size();
    }
    // The texts are varied enough to be reported often.
    EXPECT_GT(reported, 1000u) << reported;
}

// A blanked nested switch is many spaces, never the one space of "fall through".
TEST(BreakInSwitchRule, ANestedSwitchBetweenTheRemarkWordsIsNoRemark) {
    const std::string raw = "switch (a) {\ncase 1: f(); fall"
                            "switch (b) { case 2: g(); break; case 3: }"
                            "through\ncase 4: h();\n}";
    EXPECT_EQ(plainLines(raw), std::vector<std::int32_t>{2});
    EXPECT_EQ(ruleLines(raw), std::vector<std::int32_t>{2});
}

} // namespace
