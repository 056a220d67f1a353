// Rule 1039 blanks nested switches and finds case sections without copying bodies or running
// the case pattern; here it is compared with the plain algorithm, which copies each body,
// blanks its nested switches and searches it with the patterns, on switch-shaped texts.
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

const Pattern kSwitch(R"(switch\s*\([^\{]+\{.)");
const Pattern kCaseSection(R"(case\s+[^:]*?:(.*?)(case\s+[^\s;:]*?:|default:))");
const char kMessage[] = "No break statement found.";

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

/// The body with each nested switch, from "switch" to its closing brace, made spaces.
std::string blankNestedSwitches(std::string body) {
    plainForEachMatch(kSwitch, body, [&](const Match& nested) -> Resume {
        const auto close = plainMatchingClose(body, nested.end() - 1, '{', '}');
        if (!close)
            return std::nullopt;
        std::fill(body.begin() + static_cast<std::ptrdiff_t>(nested.begin()),
                  body.begin() + static_cast<std::ptrdiff_t>(*close) + 1, ' ');
        return *close + 1;
    });
    return body;
}

/// What the plain algorithm learns of a text besides its defects: how far the bracket scans
/// of its switches went, which reaches the rule's bracket index in long texts.
struct SwitchScans {
    std::size_t scannedBytes = 0;
    std::size_t nestedSwitches = 0;
};

DefectList plainMissingBreaks(const std::string& raw, SwitchScans* scans = nullptr) {
    DefectList defects;
    plainForEachMatch(kSwitch, raw, [&](const Match& outer) -> Resume {
        const std::size_t bodyStart = outer.end() - 1;
        const auto close = plainMatchingClose(raw, bodyStart, '{', '}');
        if (scans)
            scans->scannedBytes += (close ? *close : raw.size()) - bodyStart;
        if (!close)
            return outer.end();
        const std::string original = raw.substr(bodyStart, *close - bodyStart);
        const std::string body = blankNestedSwitches(original);
        if (scans)
            scans->nestedSwitches += body != original;
        plainForEachMatch(kCaseSection, body, [&](const Match& section) -> Resume {
            if (fallsThrough(section.groupText(body, 1)))
                defects.push_back(
                    {"T.java", plainLineAt(raw, bodyStart + section.begin()), kMessage});
            return section.group(2).begin;
        });
        return outer.end();
    });
    return defects;
}

const std::vector<std::string> kPieces = {"case 1:",
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
                                          "case",
                                          "/* falls through */",
                                          "continue;",
                                          "s = \"break\";",
                                          "case 'a':",
                                          "switch",
                                          "abcdefghijklmnopqrstuvwxyz;",
                                          ":",
                                          "(",
                                          "switch (",
                                          "switch (case 3:) {}",
                                          "case ;:",
                                          "case :"};

/// A switch statement: labels, statements, remarks, noise and, down to three levels, nested
/// switches.
rc::Gen<std::string> switchStatement(int depth) {
    return rc::gen::exec([depth] {
        std::string text =
            *rc::gen::elementOf(std::vector<std::string>{"switch (x) {", "switch(y)\n{"});
        const int count = *rc::gen::inRange(2, 16);
        for (int k = 0; k < count; ++k) {
            if (depth < 3 && *rc::gen::inRange(0, 8) == 0)
                text += *switchStatement(depth + 1);
            else
                text += *rc::gen::elementOf(kPieces);
        }
        return text + "}";
    });
}

/// A file of switches, up to `most` of them.
rc::Gen<std::string> switchTexts(int most) {
    return rc::gen::exec([most] {
        std::string raw = "class A {\n";
        const int count = *rc::gen::inRange(1, most + 1);
        for (int k = 0; k < count; ++k)
            raw +=
                *switchStatement(0) + *rc::gen::elementOf(std::vector<std::string>{"\n", "", " "});
        return raw;
    });
}

RC_GTEST_PROP(BreakInSwitchRule, FindsWhatThePlainAlgorithmFinds, ()) {
    const std::string raw = *switchTexts(4);
    RC_ASSERT(describe(runRule(1039, raw)) == describe(plainMissingBreaks(raw)));
}

// Many switches whose braces do not balance: the bracket scans cover the text many times over.
RC_GTEST_PROP(BreakInSwitchRule, FindsWhatThePlainAlgorithmFindsInLongTexts, ()) {
    const std::string raw = *switchTexts(40);
    RC_ASSERT(describe(runRule(1039, raw)) == describe(plainMissingBreaks(raw)));
}

TEST(BreakInSwitchRule, GeneratedTextsReachTheCases) {
    std::size_t reported = 0;
    std::size_t withNestedSwitches = 0;
    std::size_t scannedOften = 0; // scans beyond the text's size and 4 KB
    for (const std::string& raw : sampleOf(switchTexts(40), 200)) {
        SwitchScans scans;
        reported += plainMissingBreaks(raw, &scans).size();
        withNestedSwitches += scans.nestedSwitches > 0;
        scannedOften += scans.scannedBytes > raw.size() + 4096;
    }
    EXPECT_GT(reported, 150u);
    EXPECT_GT(withNestedSwitches, 80u);
    EXPECT_GT(scannedOften, 30u);
}

// A blanked nested switch is many spaces, never the one space of "fall through".
TEST(BreakInSwitchRule, ANestedSwitchBetweenTheRemarkWordsIsNoRemark) {
    const std::string raw = "switch (a) {\ncase 1: f(); fall"
                            "switch (b) { case 2: g(); break; case 3: }"
                            "through\ncase 4: h();\n}";
    const std::vector<std::string> expected = {"2 No break statement found."};
    EXPECT_EQ(describe(plainMissingBreaks(raw)), expected);
    EXPECT_EQ(describe(runRule(1039, raw)), expected);
}

} // namespace
