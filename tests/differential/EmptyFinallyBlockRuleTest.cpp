// Rule 1021 tries its pattern only where "finally" stands between a '}' and a '{' and finds
// block ends through the bracket index; here it is compared with the plain algorithm: the
// pattern tried at every position, the bracket scan and the whole-block test.
#include "tests/differential/BlockRuleReference.h"
#include "tests/support/RuleHarness.h"

#include <gtest/gtest.h>

#include <rapidcheck/gtest.h>

namespace {

using namespace quarvel::testing;
using products::quarvel::rule::DefectList;

const Pattern kFinallyBlock(R"(\}\s*finally\s*\{.)");
const Pattern kOnlyBlanks(R"([\s\{\}]*)");

DefectList plainEmptyFinallies(const std::string& raw, Reach* reach = nullptr) {
    return plainWholeBlocks(kFinallyBlock, kOnlyBlanks, raw, "Empty finally block.",
                            ReportAt::MatchEnd, reach);
}

rc::Gen<std::string> finallyTexts() {
    return textOf(
        withBlanks({"} finally {", "}", "{", "finally", "x();", "finally{}", ";", "}finally{",
                    "}\tfinally\v{", "\f{", "(", "try {", "finallyx", "}finally"}));
}

// Nested finally blocks, often empty inside, with long bodies between them.
rc::Gen<std::string> nestedFinallyTexts() {
    return deeplyNested({"try {} finally {", "{}finally{\n", "{ } finally\t{", "{", "try {"},
                        {"work(a, b);\n", "{}", " ", "\n", "} finally { }", "x", "\t",
                         "/* a comment that the code view blanks */"},
                        {"}", " }", "}\n", "} finally {}"});
}

rc::Gen<std::string> texts() {
    return rc::gen::oneOf(finallyTexts(), nestedFinallyTexts());
}

RC_GTEST_PROP(EmptyFinallyBlockRule, FindsWhatThePlainAlgorithmFinds, ()) {
    const std::string raw = *texts();
    RC_ASSERT(describe(runRule(1021, raw)) == describe(plainEmptyFinallies(raw)));
}

TEST(EmptyFinallyBlockRule, GeneratedTextsReportFinallyBlocksAndReachTheBracketIndex) {
    std::size_t reported = 0;
    std::size_t indexed = 0;
    for (const std::string& raw : sampleOf(texts(), 300)) {
        Reach reach;
        reported += plainEmptyFinallies(raw, &reach).size();
        indexed += reach.indexedAnswers > 1 ? 1 : 0;
    }
    EXPECT_GT(reported, 1200u);
    EXPECT_GT(indexed, 100u);
}

} // namespace
