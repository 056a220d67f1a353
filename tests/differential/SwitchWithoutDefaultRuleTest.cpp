// Rule 1004 reads its pattern by hand from each "switch", finds block ends through the
// bracket index, and lets the first "default" found from one body's start serve the bodies
// nested in it; here it is compared with the plain algorithm: the pattern tried at every
// position, the bracket scan, and a search of each body for "default". A switch
// without its closing brace is examined up to the end of the text.
#include "tests/differential/BlockRuleReference.h"
#include "tests/support/RuleHarness.h"

#include <gtest/gtest.h>

#include <rapidcheck/gtest.h>

namespace {

using namespace quarvel::testing;
using products::quarvel::rule::DefectList;

const Pattern kSwitchBlock(R"(switch\s*\(\s*\w*\s*\)\s*\{.)");
const std::string kDefault = "default";

DefectList plainSwitchesWithoutDefault(const std::string& raw, Reach* reach = nullptr) {
    const std::string code = codeViewOf(raw);
    DefectList defects;
    CountedBrackets braces(code, '{', '}', reach);
    SharedAnswers defaults(
        [&](std::size_t start) {
            const std::size_t at = code.find(kDefault, start);
            return at == std::string::npos ? Place{} : Place{at, at + kDefault.size()};
        },
        reach);
    plainForEachMatch(kSwitchBlock, code, [&](const Match& m) -> Resume {
        const std::size_t bodyStart = m.end() - 1;
        const std::size_t bodyEnd = braces.matchingClose(bodyStart).value_or(code.size());
        defaults.body(bodyStart, bodyEnd);
        if (code.substr(bodyStart, bodyEnd - bodyStart).find(kDefault) == std::string::npos)
            defects.push_back(
                {"T.java", plainLineAt(code, m.begin()), "No default case found in switch block."});
        return m.end();
    });
    return defects;
}

rc::Gen<std::string> switchTexts() {
    return textOf(withBlanks({"switch (x) {",
                              "default",
                              "}",
                              "{",
                              "default:",
                              "case 1:",
                              "switch",
                              "(",
                              ")",
                              "x",
                              "switch ( x ) {",
                              "switch () {",
                              "switch (a.b) {",
                              "switch (x) {default: ;}",
                              "defaultValue",
                              "switch\t(x)\v{",
                              "\"default\"",
                              "// default\n",
                              "defaul",
                              "t",
                              "switch(x){",
                              "switch (default) {",
                              "switch(defaultValue){",
                              "switch (a b) {",
                              "switch (x) ; {",
                              "switch(switch(x){",
                              "switch ( x\n)\r\n{"}));
}

// Nested switches whose inner bodies often lack the default that an outer body has.
rc::Gen<std::string> nestedSwitchTexts() {
    return deeplyNested(
        {"switch (x) {", "{", "switch (y) {\n", "switch(z){", "switch (x) {default"},
        {"case 1: work();\n", "default: break;\n", "{}", " ", "\n", "x", "\t",
         "/* a comment that the code view blanks */", "\"default\"", "switch (w) { case 2: }"},
        {"}", "}\n", " default: }", "default }"});
}

rc::Gen<std::string> texts() {
    return rc::gen::oneOf(switchTexts(), nestedSwitchTexts());
}

RC_GTEST_PROP(SwitchWithoutDefaultRule, FindsWhatThePlainAlgorithmFinds, ()) {
    const std::string raw = *texts();
    RC_ASSERT(describe(runRule(1004, raw)) == describe(plainSwitchesWithoutDefault(raw)));
}

TEST(SwitchWithoutDefaultRule, GeneratedTextsReachEveryPath) {
    std::size_t reported = 0;
    Reach total;
    std::size_t indexed = 0;
    for (const std::string& raw : sampleOf(texts(), 300)) {
        Reach reach;
        reported += plainSwitchesWithoutDefault(raw, &reach).size();
        indexed += reach.indexedAnswers > 1 ? 1 : 0;
        total.unclosed += reach.unclosed;
        total.sharedAnswers += reach.sharedAnswers;
    }
    EXPECT_GT(reported, 600u);
    EXPECT_GT(indexed, 100u);
    EXPECT_GT(total.unclosed, 350u);
    EXPECT_GT(total.sharedAnswers, 250u);
}

} // namespace
