// Rule 1025 finds its headers by hand ("for" after a blank and before a parenthesis), and
// finds the header's end through the bracket index; here it is compared with
// the plain algorithm: the patterns tried at every position and the parenthesis scan.
#include "tests/differential/BlockRuleReference.h"
#include "tests/support/RuleHarness.h"

#include <gtest/gtest.h>

#include <rapidcheck/gtest.h>

namespace {

using namespace quarvel::testing;
using products::quarvel::rule::DefectList;

const Pattern kForHeader(R"(\s(for\s*\(.))");

DefectList plainEmptyFors(const std::string& raw, Reach* reach = nullptr) {
    return plainEmptyStatements(
        kForHeader, raw, "for statement with empty body.",
        [](const std::string&, std::size_t) { return false; }, reach);
}

rc::Gen<std::string> forTexts() {
    return textOf(withBlanks({" for (;;);", "for", "(", ")", ";", "{", "}", " for (", "{for(",
                              "\tfor\v(", "a(b)", "x", " for ()", "for(f(x))", "forx (", "\ffor",
                              "(for (", " for(int i : xs)"}));
}

// Nested parentheses after "for", with long stretches between them.
rc::Gen<std::string> nestedForTexts() {
    return deeplyNested({" for (", "(", "\tfor(f(", "\nfor ((", " for ()"},
                        {"a; b", " ", "\n", "x", "g()", "\t", ";",
                         "/* a comment that the code view blanks */", " for (;;) ;"},
                        {")", ");", ") ;", ")\n;", "))", ") {}"});
}

rc::Gen<std::string> texts() {
    return rc::gen::oneOf(forTexts(), nestedForTexts());
}

RC_GTEST_PROP(EmptyForBodyRule, FindsWhatThePlainAlgorithmFinds, ()) {
    const std::string raw = *texts();
    RC_ASSERT(describe(runRule(1025, raw)) == describe(plainEmptyFors(raw)));
}

TEST(EmptyForBodyRule, GeneratedTextsReportForsAndReachTheBracketIndex) {
    std::size_t reported = 0;
    std::size_t indexed = 0;
    for (const std::string& raw : sampleOf(texts(), 300)) {
        Reach reach;
        reported += plainEmptyFors(raw, &reach).size();
        indexed += reach.indexedAnswers > 1 ? 1 : 0;
    }
    EXPECT_GT(reported, 1000u);
    EXPECT_GT(indexed, 80u);
}

} // namespace
