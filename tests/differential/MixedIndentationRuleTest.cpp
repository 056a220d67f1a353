// Rule 1007 reads indentations sixteen bytes at a time and looks only at the bytes that go
// against the file's style; here it is compared with the plain algorithm: its pattern searched
// with the plain loop over a code view built on its own from the classifier, every
// indentation classified, then the remembered ones reported in order.
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
using products::quarvel::search::Span;
using util::parser::compiler::syntaxhighlighter::CodeStripper;

const Pattern kIndentation(R"(\n[\x20\t]*)");
const char kTabInSpaceFile[] =
    "Mixed indentation style. Tab found. (File seems indented with space).";
const char kSpaceInTabFile[] =
    "Mixed indentation style. Space found. (File seems indented with tab).";

std::string codeViewOf(const std::string& raw) {
    return CodeStripper::makeCodeView(raw, '\r');
}

struct Indentations {
    std::vector<Span> remembered; // every match with a non-empty indentation
    std::size_t tabIndented = 0;
    std::size_t spaceIndented = 0;
};

Indentations plainIndentations(const std::string& code) {
    Indentations found;
    plainForEachMatch(kIndentation, code, [&](const Match& m) -> Resume {
        const std::string indentation = code.substr(m.begin() + 1, m.end() - m.begin() - 1);
        if (indentation.empty())
            return m.end();
        const auto count = [&](char c) {
            return static_cast<std::size_t>(std::count(indentation.begin(), indentation.end(), c));
        };
        if (count('\t') == indentation.size())
            ++found.tabIndented;
        else if (count(' ') == indentation.size())
            ++found.spaceIndented;
        found.remembered.push_back({m.begin(), m.end()});
        return m.end();
    });
    return found;
}

DefectList plainMixedIndentation(const std::string& code) {
    const Indentations found = plainIndentations(code);
    const bool spaceStyle = found.spaceIndented >= found.tabIndented;
    DefectList defects;
    for (const Span& match : found.remembered) {
        const std::string text = code.substr(match.begin, match.length());
        if (text.find(spaceStyle ? '\t' : ' ') != std::string::npos)
            defects.push_back({"T.java", plainLineAt(code, match.end),
                               spaceStyle ? kTabInSpaceFile : kSpaceInTabFile});
    }
    return defects;
}

const std::string kLongSpaces(20, ' ');
const std::string kLongTabs(20, '\t');

std::vector<std::string> indentationFragments() {
    return {"\n",
            "x",
            "\t",
            " ",
            "\n    ",
            "\n\t",
            "\n\t\t",
            "\n  \t",
            "\n\t ",
            "int a;",
            "\r\n\t",
            "\r\n  ",
            "\n" + kLongSpaces,
            "\n" + kLongTabs,
            "\n" + kLongSpaces + kLongSpaces + "\t",
            "\n" + kLongTabs + " " + kLongTabs,
            "abcdefghijklmnopqrstuvwxyz",
            "/*\n\t x\n  */",
            "// c\n\t",
            "\"\t \""};
}

// Texts mostly indented one way, the other way, or evenly: so that both styles are decided, and
// ties too.
rc::Gen<std::string> indentedTexts() {
    std::vector<std::string> tabHeavy = indentationFragments();
    std::vector<std::string> spaceHeavy = tabHeavy;
    for (int copies = 0; copies < 3; ++copies) {
        tabHeavy.insert(tabHeavy.end(), {"\n\t", "\n\t\t", "\n" + kLongTabs});
        spaceHeavy.insert(spaceHeavy.end(), {"\n    ", "\n  ", "\n" + kLongSpaces});
    }
    return rc::gen::oneOf(textOf(indentationFragments()), textOf(tabHeavy), textOf(spaceHeavy));
}

RC_GTEST_PROP(MixedIndentationRule, FindsWhatThePlainAlgorithmFinds, ()) {
    const std::string raw = *indentedTexts();
    RC_ASSERT(describe(runRule(1007, raw)) == describe(plainMixedIndentation(codeViewOf(raw))));
}

TEST(MixedIndentationRule, GeneratedTextsReachTheCases) {
    std::size_t tabInSpaceFile = 0;
    std::size_t spaceInTabFile = 0;
    std::size_t ties = 0;
    std::size_t longIndentations = 0; // longer than 32 bytes
    std::size_t atTheEnd = 0;         // texts that end in an indentation
    for (const std::string& raw : sampleOf(indentedTexts(), 300)) {
        const std::string code = codeViewOf(raw);
        for (const auto& defect : plainMixedIndentation(code)) {
            tabInSpaceFile += defect.message == kTabInSpaceFile;
            spaceInTabFile += defect.message == kSpaceInTabFile;
        }
        const Indentations found = plainIndentations(code);
        ties += found.tabIndented == found.spaceIndented && found.tabIndented > 0;
        for (const Span& match : found.remembered) {
            longIndentations += match.length() > 33;
            atTheEnd += match.end == code.size();
        }
    }
    EXPECT_GT(tabInSpaceFile, 400u);
    EXPECT_GT(spaceInTabFile, 500u);
    EXPECT_GT(ties, 10u);
    EXPECT_GT(longIndentations, 300u);
    EXPECT_GT(atTheEnd, 100u);
}

} // namespace
