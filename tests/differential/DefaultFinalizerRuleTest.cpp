// Rule 1031 tries its pattern only where "protected" and white space stand, finds block ends
// through the bracket index, and tries the body's pattern at the body's start alone; here it
// is compared with the plain algorithm: both patterns tried at every position and the bracket
// scan.
#include "tests/differential/BlockRuleReference.h"
#include "tests/support/RuleHarness.h"

#include <gtest/gtest.h>

#include <rapidcheck/gtest.h>

namespace {

using namespace quarvel::testing;
using products::quarvel::rule::DefectList;

const Pattern kFinalizerBlock(R"(protected\s+void\s+finalize\s*(\s*)[^\{]*\{.)");
const Pattern kOnlySuperFinalize(R"([\{\}\s]*super\s*\.\s*finalize\s*\(\s*\)\s*;[\{\}\s]*)");

DefectList plainDefaultFinalizers(const std::string& raw, Reach* reach = nullptr) {
    return plainWholeBlocks(kFinalizerBlock, kOnlySuperFinalize, raw,
                            "finalizer implements default behaviour.", ReportAt::MatchBegin, reach);
}

rc::Gen<std::string> finalizerTexts() {
    return textOf(withBlanks({"protected void finalize() {",
                              "super.finalize();",
                              "}",
                              "{",
                              "protected",
                              "void",
                              "finalize",
                              "super",
                              ".",
                              "(",
                              ")",
                              ";",
                              "protected\tvoid\vfinalize (\f) throws T {",
                              "x();",
                              "protected void finalizeAll() {",
                              "super . finalize ( ) ;",
                              "protected  void finalize()",
                              "throws Throwable",
                              "protected void finalize() { super.finalize(); }",
                              "protected void finalize() {{super.finalize();}\n}"}));
}

// Nested finalizers that only call the inherited one, with long bodies between them.
rc::Gen<std::string> nestedFinalizerTexts() {
    return deeplyNested({"protected void finalize() {", "{ super.finalize();",
                         "protected void finalize() { super.finalize(); {", "{"},
                        {"super.finalize();\n", "{}", " ", "\n", "work(a, b);", "\t",
                         "/* a comment that the code view blanks */",
                         "protected void finalize() throws Throwable {\n super.finalize();\n}"},
                        {"}", " }", "}\n", "super.finalize(); }"});
}

rc::Gen<std::string> texts() {
    return rc::gen::oneOf(finalizerTexts(), nestedFinalizerTexts());
}

RC_GTEST_PROP(DefaultFinalizerRule, FindsWhatThePlainAlgorithmFinds, ()) {
    const std::string raw = *texts();
    RC_ASSERT(describe(runRule(1031, raw)) == describe(plainDefaultFinalizers(raw)));
}

TEST(DefaultFinalizerRule, GeneratedTextsReportFinalizersAndReachTheBracketIndex) {
    std::size_t reported = 0;
    std::size_t indexed = 0;
    for (const std::string& raw : sampleOf(texts(), 300)) {
        Reach reach;
        reported += plainDefaultFinalizers(raw, &reach).size();
        indexed += reach.indexedAnswers > 1 ? 1 : 0;
    }
    EXPECT_GT(reported, 700u);
    EXPECT_GT(indexed, 100u);
}

} // namespace
