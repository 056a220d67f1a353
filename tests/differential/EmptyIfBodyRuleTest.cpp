// Rule 1016 finds its headers by hand ("if" after a blank or a brace and before a
// parenthesis), and finds the header's end through the bracket index; here it is compared with
// the plain algorithm: the patterns tried at every position and the parenthesis scan.
#include "tests/differential/BlockRuleReference.h"
#include "tests/support/RuleHarness.h"

#include <gtest/gtest.h>

#include <rapidcheck/gtest.h>

namespace {

using namespace quarvel::testing;
using products::quarvel::rule::DefectList;

const Pattern kIfHeader(R"([\s\{\}](if\s*\(.))");

DefectList plainEmptyIfs(const std::string& raw, Reach* reach = nullptr) {
    return plainEmptyStatements(
        kIfHeader, raw, "if statement with empty body.",
        [](const std::string&, std::size_t) { return false; }, reach);
}

rc::Gen<std::string> ifTexts() {
    return textOf(
        withBlanks({" if (x);", "if", "(", ")", ";", "{", "}", " if (", "{if(", "}if (", "\tif\v(",
                    "a(b)", "x", ";if (x);", " if ()", "if(f(x))", "ifx (", "\fif"}));
}

// Nested parentheses after "if", with long stretches between them.
rc::Gen<std::string> nestedIfTexts() {
    return deeplyNested({" if (", "(", "{if(f(", "\nif ((", " if ()"},
                        {"a, b", " ", "\n", "x", "g()", "\t", ";",
                         "/* a comment that the code view blanks */", " if (x) ;"},
                        {")", ");", ") ;", ")\n;", "))", ") {}"});
}

rc::Gen<std::string> texts() {
    return rc::gen::oneOf(ifTexts(), nestedIfTexts());
}

RC_GTEST_PROP(EmptyIfBodyRule, FindsWhatThePlainAlgorithmFinds, ()) {
    const std::string raw = *texts();
    RC_ASSERT(describe(runRule(1016, raw)) == describe(plainEmptyIfs(raw)));
}

TEST(EmptyIfBodyRule, GeneratedTextsReportIfsAndReachTheBracketIndex) {
    std::size_t reported = 0;
    std::size_t indexed = 0;
    for (const std::string& raw : sampleOf(texts(), 300)) {
        Reach reach;
        reported += plainEmptyIfs(raw, &reach).size();
        indexed += reach.indexedAnswers > 1 ? 1 : 0;
    }
    EXPECT_GT(reported, 1000u);
    EXPECT_GT(indexed, 80u);
}

} // namespace
