// Rule 1006 finds its catch headers by hand instead of running its pattern; here it is
// compared with the plain algorithm: the pattern searched at every position, the bracket scan
// and the whole-block test, on texts made of the pattern's own tokens.
#include "tests/differential/BlockRuleReference.h"
#include "tests/support/RuleHarness.h"

#include <gtest/gtest.h>

#include <rapidcheck/gtest.h>

namespace {

using namespace quarvel::testing;
using products::quarvel::rule::DefectList;

const Pattern kCatchBlock(R"(\}\s*catch\s*\(.*?\)\s*\{.)");
const Pattern kOnlyBlanks(R"([\s\{\}]*)");

DefectList plainEmptyCatches(const std::string& raw, Reach* reach = nullptr) {
    return plainWholeBlocks(kCatchBlock, kOnlyBlanks, raw, "Empty catch block.", ReportAt::MatchEnd,
                            reach);
}

rc::Gen<std::string> catchTexts() {
    return textOf(
        withBlanks({"} catch (E e) {", "}", "{", "catch", "(", ")", "x();", "catch(E e){}", ";",
                    "}catch(", ") catch (E e) {}", "}\tcatch\v(", ")\f{", ") {", "try {", "E e",
                    // Longer runs of blanks, and comments, around the header's words.
                    "} \n\tcatch \r\n (", ")\r\n\t{", ") /* c */ {", "}// c\ncatch/**/("}));
}

// Nested catch blocks, often empty inside, with long bodies between them.
rc::Gen<std::string> nestedCatchTexts() {
    return deeplyNested(
        {"try {} catch (E e) {", "{}catch(E e){\n", "{ } catch (E e)\t{", "{", "try {"},
        {"work(a, b);\n", "{}", " ", "\n", "} catch (F f) { }", "x", "(", ")",
         "/* a comment that the code view blanks */"},
        {"}", " }", "}\n", "} catch (G g) {}"});
}

rc::Gen<std::string> texts() {
    return rc::gen::oneOf(catchTexts(), nestedCatchTexts());
}

RC_GTEST_PROP(EmptyCatchBlockRule, FindsWhatThePlainAlgorithmFinds, ()) {
    const std::string raw = *texts();
    RC_ASSERT(describe(runRule(1006, raw)) == describe(plainEmptyCatches(raw)));
}

TEST(EmptyCatchBlockRule, GeneratedTextsReportCatchesAndReachTheBracketIndex) {
    std::size_t reported = 0;
    std::size_t indexed = 0;
    for (const std::string& raw : sampleOf(texts(), 300)) {
        Reach reach;
        reported += plainEmptyCatches(raw, &reach).size();
        indexed += reach.indexedAnswers > 1 ? 1 : 0;
    }
    EXPECT_GT(reported, 1000u);
    EXPECT_GT(indexed, 100u);
}

} // namespace
