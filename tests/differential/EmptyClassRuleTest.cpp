// Rule 1041 finds its class headers by hand instead of running its pattern; here it is
// compared with the plain algorithm: the pattern searched at every position, the header test
// that ends the search, the bracket scan and the whole-block test.
#include "tests/differential/BlockRuleReference.h"
#include "tests/support/RuleHarness.h"

#include <gtest/gtest.h>

#include <rapidcheck/gtest.h>

namespace {

using namespace quarvel::testing;
using products::quarvel::rule::DefectList;

const Pattern kClassBlock(R"(class([^{]*)\{.)");
const Pattern kOnlyBlanks(R"([\s\{\}]*)");

struct ClassReach : Reach {
    /// Whether the search ended at an exception class.
    bool stopped = false;
};

DefectList plainEmptyClasses(const std::string& raw, ClassReach* reach = nullptr) {
    const std::string code = codeViewOf(raw);
    DefectList defects;
    CountedBrackets braces(code, '{', '}', reach);
    plainForEachMatch(kClassBlock, code, [&](const Match& m) -> Resume {
        const std::string header = m.groupText(code, 1);
        if (header.find("extends") != std::string::npos &&
            header.find("Exception") != std::string::npos) {
            if (reach)
                reach->stopped = true;
            return std::nullopt;
        }
        const std::size_t bodyStart = m.end() - 1;
        const std::optional<std::size_t> close = braces.matchingClose(bodyStart);
        if (close && plainWholeBlock(kOnlyBlanks, code, bodyStart, *close))
            defects.push_back({"T.java", plainLineAt(code, m.begin()), "Empty class found."});
        return m.end();
    });
    return defects;
}

rc::Gen<std::string> classTexts() {
    return textOf(
        withBlanks({"class A {", "}", "{", "class", "extends", "Exception", "A", "{}", "x;",
                    "class E extends Exception {", "Foo.class;", "classextends", "MyException",
                    "class{", "{class", "extends B", "class B extends C implements D {"}));
}

// Nested classes, often empty inside, with long bodies between them.
rc::Gen<std::string> nestedClassTexts() {
    return deeplyNested({"class A {", "class B extends C {", "{", "class{\n", "{class\t{"},
                        {"int x;\n", "{}", " ", "\n", "class D {}", "x", "\t", "Exception",
                         "/* a comment that the code view blanks */", "Object o = Foo.class;"},
                        {"}", " }", "}\n", "class E {}}"});
}

rc::Gen<std::string> texts() {
    return rc::gen::oneOf(classTexts(), nestedClassTexts());
}

RC_GTEST_PROP(EmptyClassRule, FindsWhatThePlainAlgorithmFinds, ()) {
    const std::string raw = *texts();
    RC_ASSERT(describe(runRule(1041, raw)) == describe(plainEmptyClasses(raw)));
}

TEST(EmptyClassRule, GeneratedTextsReportClassesStopAndReachTheBracketIndex) {
    std::size_t reported = 0;
    std::size_t stopped = 0;
    std::size_t indexed = 0;
    for (const std::string& raw : sampleOf(texts(), 300)) {
        ClassReach reach;
        reported += plainEmptyClasses(raw, &reach).size();
        stopped += reach.stopped ? 1 : 0;
        indexed += reach.indexedAnswers > 1 ? 1 : 0;
    }
    EXPECT_GT(reported, 1000u);
    EXPECT_GT(stopped, 40u);
    EXPECT_GT(indexed, 100u);
}

} // namespace
