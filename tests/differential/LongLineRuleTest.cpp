// Rule 1022 measures the stretches between line ends sixteen bytes at a time; here it is
// compared with the plain loop over a code view built on its own from the classifier, in
// which comments are carriage returns and so end a stretch.
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

const char kMessage[] = "Line is too long. Prefer lines no longer than 80 characters.";

std::string codeViewOf(const std::string& raw, char commentFill = '\r') {
    return CodeStripper::makeCodeView(raw, commentFill);
}

/// The first position at or after `from` that holds the byte, or npos.
std::size_t plainFind(const std::string& text, char byte, std::size_t from) {
    for (std::size_t at = from; at < text.size(); ++at) {
        if (text[at] == byte)
            return at;
    }
    return std::string::npos;
}

/// Each stretch runs to the nearer of the next carriage return and line feed; a stretch
/// without either after it is not measured.
DefectList plainLongLines(const std::string& code) {
    DefectList defects;
    std::size_t lineStart = 0;
    while (true) {
        const std::size_t lineEnd =
            std::min(plainFind(code, '\r', lineStart), plainFind(code, '\n', lineStart));
        if (lineEnd == std::string::npos)
            return defects;
        if (lineEnd - lineStart > 80)
            defects.push_back({"T.java", plainLineAt(code, lineStart), kMessage});
        lineStart = lineEnd + 1;
    }
}

std::string line(std::size_t length, const std::string& end) {
    return "\n" + std::string(length, 'y') + end;
}

// Short and long code, lines of exactly 80 and 81 bytes, long trailing and block comments, line
// ends of both kinds, literals that count with their full length.
rc::Gen<std::string> lineTexts() {
    return textOf({"x",
                   " ",
                   "\n",
                   "\r",
                   "\r\n",
                   "\t",
                   "int a = 1;",
                   "abcdefghijklmnopqrstuvwxyz0123456789",
                   "abcdefghijklmnopqrstuvwxyz0123456789",
                   line(80, "\n"),
                   line(81, "\n"),
                   line(80, "\r\n"),
                   line(81, "\r"),
                   line(79, "/* c */\n"),
                   line(81, "// c\n"),
                   "// a trailing comment that goes on and on well past the end of the line\n",
                   "/* a block comment that goes on and on well past the end of the line */",
                   "/*\n a long line inside a block comment, longer than eighty bytes ........\n*/",
                   "\"a string literal of some length\"",
                   "'c'"});
}

RC_GTEST_PROP(LongLineRule, FindsWhatThePlainAlgorithmFinds, ()) {
    const std::string raw = *lineTexts();
    RC_ASSERT(describe(runRule(1022, raw)) == describe(plainLongLines(codeViewOf(raw))));
}

TEST(LongLineRule, GeneratedTextsReachTheCases) {
    std::size_t reported = 0;
    std::size_t exactly80 = 0;
    std::size_t exactly81 = 0;
    std::size_t commentsDecide = 0; // texts whose report changes if comments did not end lines
    for (const std::string& raw : sampleOf(lineTexts(), 300)) {
        const std::string code = codeViewOf(raw);
        reported += plainLongLines(code).size();
        for (std::size_t start = 0, end;
             (end = code.find_first_of("\r\n", start)) != std::string::npos; start = end + 1) {
            exactly80 += end - start == 80;
            exactly81 += end - start == 81;
        }
        commentsDecide +=
            describe(plainLongLines(code)) != describe(plainLongLines(codeViewOf(raw, ' ')));
    }
    EXPECT_GT(reported, 500u);
    EXPECT_GT(exactly80, 300u);
    EXPECT_GT(exactly81, 500u);
    EXPECT_GT(commentsDecide, 80u);
}

} // namespace
