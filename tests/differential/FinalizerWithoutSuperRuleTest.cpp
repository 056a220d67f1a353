// Rule 1032 tries its patterns only where "protected" and "super" stand, finds block ends
// through the bracket index, and lets the first super.finalize() call found from one body's
// start serve the bodies nested in it; here it is compared with the plain algorithm: both
// patterns tried at every position, the second in the body alone, and the bracket scan. A
// finalizer without its closing brace runs to the end of the text.
#include "tests/differential/BlockRuleReference.h"
#include "tests/support/RuleHarness.h"

#include <gtest/gtest.h>

#include <rapidcheck/gtest.h>

namespace {

using namespace quarvel::testing;
using products::quarvel::rule::DefectList;

const Pattern kFinalizer(R"(protected\s+void\s+finalize\s*(\s*)[^\{]*\{.)");
const Pattern kSuperFinalizeCall(R"(super\s*\.\s*finalize\s*\(\s*\)\s*;)");

DefectList plainFinalizersWithoutSuper(const std::string& raw, Reach* reach = nullptr) {
    const std::string code = codeViewOf(raw);
    DefectList defects;
    CountedBrackets braces(code, '{', '}', reach);
    SharedAnswers calls(
        [&](std::size_t start) {
            const std::optional<Match> found = plainSearch(kSuperFinalizeCall, code, start);
            return found ? Place{found->begin(), found->end()} : Place{};
        },
        reach);
    plainForEachMatch(kFinalizer, code, [&](const Match& m) -> Resume {
        const std::size_t bodyStart = m.end() - 1;
        const std::size_t bodyEnd = braces.matchingClose(bodyStart).value_or(code.size());
        calls.body(bodyStart, bodyEnd);
        if (!plainSearch(kSuperFinalizeCall, code, bodyStart, bodyEnd))
            defects.push_back({"T.java", plainLineAt(code, m.begin()),
                               "finalizer does not call super.finalize()."});
        return m.end();
    });
    return defects;
}

rc::Gen<std::string> finalizerTexts() {
    return textOf(withBlanks({"protected void finalize() {",
                              "super.finalize();",
                              "}",
                              "{",
                              "super . finalize ( ) ;",
                              "super.finalize()",
                              "super",
                              ".",
                              "finalize",
                              "(",
                              ")",
                              ";",
                              "protected",
                              "void",
                              "protected void finalizeAll() {",
                              "protected\tvoid\vfinalize(\f) throws T {",
                              "x();",
                              "/* super.finalize(); */",
                              "\"super.finalize();\"",
                              "protected void finalize() {super.finalize();}",
                              "super\n.finalize( );",
                              "super\t.\vfinalize\f(\r)\n;"}));
}

// Nested finalizers whose inner bodies often lack the call that an outer body has.
rc::Gen<std::string> nestedFinalizerTexts() {
    return deeplyNested({"protected void finalize() {", "{", "protected void finalize()\n{",
                         "protected void finalize() {super.finalize();"},
                        {"work();\n", "super.finalize();\n", "{}", " ", "\n", "x", "\t",
                         "/* a comment that the code view blanks */", "super\n.finalize( );",
                         "protected void finalize() { work(); }"},
                        {"}", "}\n", " super.finalize(); }", "super.finalize();}"});
}

rc::Gen<std::string> texts() {
    return rc::gen::oneOf(finalizerTexts(), nestedFinalizerTexts());
}

RC_GTEST_PROP(FinalizerWithoutSuperRule, FindsWhatThePlainAlgorithmFinds, ()) {
    const std::string raw = *texts();
    RC_ASSERT(describe(runRule(1032, raw)) == describe(plainFinalizersWithoutSuper(raw)));
}

TEST(FinalizerWithoutSuperRule, GeneratedTextsReachEveryPath) {
    std::size_t reported = 0;
    Reach total;
    std::size_t indexed = 0;
    for (const std::string& raw : sampleOf(texts(), 300)) {
        Reach reach;
        reported += plainFinalizersWithoutSuper(raw, &reach).size();
        indexed += reach.indexedAnswers > 1 ? 1 : 0;
        total.unclosed += reach.unclosed;
        total.sharedAnswers += reach.sharedAnswers;
    }
    EXPECT_GT(reported, 600u);
    EXPECT_GT(indexed, 100u);
    EXPECT_GT(total.unclosed, 200u);
    EXPECT_GT(total.sharedAnswers, 180u);
}

} // namespace
