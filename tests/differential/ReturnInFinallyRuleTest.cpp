// Rule 1012 tries its pattern only where "finally" stands between a '}' and a '{', finds
// block ends through the bracket index, and lets the first "return" found from one body's
// start serve the bodies nested in it; here it is compared with the plain algorithm: both
// patterns tried at every position, the second in the body alone, and the bracket scan. A
// finally block without its closing brace runs to the end of the text.
#include "tests/differential/BlockRuleReference.h"
#include "tests/support/RuleHarness.h"

#include <gtest/gtest.h>

#include <rapidcheck/gtest.h>

namespace {

using namespace quarvel::testing;
using products::quarvel::rule::DefectList;

const Pattern kFinallyBlock(R"(\}\s*finally\s*\{.)");
const Pattern kReturnInBody(R"([\s\{\}]*(return)[\s\{\}]*)");

DefectList plainReturnsInFinally(const std::string& raw, Reach* reach = nullptr) {
    const std::string code = codeViewOf(raw);
    DefectList defects;
    CountedBrackets braces(code, '{', '}', reach);
    SharedAnswers returns(
        [&](std::size_t start) {
            const std::optional<Match> found = plainSearch(kReturnInBody, code, start);
            return found ? Place{found->group(1).begin, found->group(1).end} : Place{};
        },
        reach);
    plainForEachMatch(kFinallyBlock, code, [&](const Match& m) -> Resume {
        const std::size_t bodyStart = m.end() - 1;
        const std::size_t bodyEnd = braces.matchingClose(bodyStart).value_or(code.size());
        returns.body(bodyStart, bodyEnd);
        if (const std::optional<Match> found = plainSearch(kReturnInBody, code, bodyStart, bodyEnd))
            defects.push_back({"T.java", plainLineAt(code, found->group(1).begin),
                               "Return statement in finally block."});
        return m.end();
    });
    return defects;
}

rc::Gen<std::string> finallyTexts() {
    return textOf(withBlanks({"} finally {", "return", "}", "{", "return x;", "finally", "returned",
                              "\"return\"", "// return\n", "}finally{return;}", "}\tfinally\v{",
                              "retur", "n", "x();", "try {", "}finally{"}));
}

// Nested finally blocks whose inner bodies often lack the return that an outer body has.
rc::Gen<std::string> nestedFinallyTexts() {
    return deeplyNested(
        {"try {} finally {", "{", "{}finally{\n", "{ } finally\t{", "{}finally{return"},
        {"work();\n", "return x;\n", "{}", " ", "\n", "x", "\t",
         "/* a comment that the code view blanks */", "\"return\"", "} finally { work(); }"},
        {"}", "}\n", " return; }", "return}"});
}

rc::Gen<std::string> texts() {
    return rc::gen::oneOf(finallyTexts(), nestedFinallyTexts());
}

RC_GTEST_PROP(ReturnInFinallyRule, FindsWhatThePlainAlgorithmFinds, ()) {
    const std::string raw = *texts();
    RC_ASSERT(describe(runRule(1012, raw)) == describe(plainReturnsInFinally(raw)));
}

TEST(ReturnInFinallyRule, GeneratedTextsReachEveryPath) {
    std::size_t reported = 0;
    Reach total;
    std::size_t indexed = 0;
    for (const std::string& raw : sampleOf(texts(), 300)) {
        Reach reach;
        reported += plainReturnsInFinally(raw, &reach).size();
        indexed += reach.indexedAnswers > 1 ? 1 : 0;
        total.unclosed += reach.unclosed;
        total.sharedAnswers += reach.sharedAnswers;
    }
    EXPECT_GT(reported, 1500u);
    EXPECT_GT(indexed, 100u);
    EXPECT_GT(total.unclosed, 80u);
    EXPECT_GT(total.sharedAnswers, 300u);
}

} // namespace
