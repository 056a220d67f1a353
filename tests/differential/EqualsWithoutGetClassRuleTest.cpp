// Rule 1034 finds equals methods from their "boolean" on, runs its pattern only over the
// stretch that can hold the match, and remembers where the next getClass() call stands for
// the bodies of nested methods; here it is compared with the plain algorithm: both stored
// patterns searched at every position and the bracket scan counted byte by byte.
#include "tests/support/Generators.h"
#include "tests/support/PlainSearch.h"
#include "tests/support/RuleHarness.h"
#include "util/parser/compiler/syntaxhighlighter/SourceViews.h"

#include <gtest/gtest.h>

#include <rapidcheck/gtest.h>

namespace {

using namespace quarvel::testing;
using products::quarvel::rule::DefectList;

const Pattern kEqualsWithBody(R"([;\}\{]{1}([^\(]+)boolean\s+(equals)\s*\(\s*Object\s[^;,\{]+\{.)");
const Pattern kGetClassCall(R"(getClass\s*\(\s*\))");
const char kMessage[] = "Compare classes using getClass() in non-final equals method.";

struct Reach {
    std::size_t finalMethods = 0;
    std::size_t withGetClass = 0;
    std::size_t unclosedBodies = 0;
    std::size_t matchesAfterIndex = 0;
    /// Matches with a single byte between the white space after "Object" and the "{", and
    /// matches that start where the one before them ended.
    std::size_t shortTails = 0;
    std::size_t adjacentMatches = 0;
};

DefectList plainEqualsWithoutGetClass(const std::string& raw, Reach* reach = nullptr) {
    const std::string code = util::parser::compiler::syntaxhighlighter::makeSourceViews(raw).code;
    CountedBracketScan braces(code, '{', '}');
    Reach seen;
    DefectList defects;
    std::size_t lastEnd = std::string::npos;
    plainForEachMatch(kEqualsWithBody, code, [&](const Match& m) -> Resume {
        const std::size_t brace = m.end() - 2;
        seen.shortTails += code.rfind("Object", brace) + 8 == brace ? 1 : 0;
        seen.adjacentMatches += m.begin() == lastEnd ? 1 : 0;
        lastEnd = m.end();
        if (m.groupText(code, 1).find("final") != std::string::npos ||
            code.find("final class") != std::string::npos) {
            ++seen.finalMethods;
            return m.end();
        }
        seen.matchesAfterIndex += braces.indexed() ? 1 : 0;
        const std::size_t bodyStart = m.end() - 1;
        const auto close = braces.matchingClose(bodyStart);
        // A method without its closing brace has its body run to the end of the text.
        const std::size_t bodyEnd = close ? *close : code.size();
        seen.unclosedBodies += close ? 0 : 1;
        if (plainSearch(kGetClassCall, code, bodyStart, bodyEnd))
            ++seen.withGetClass;
        else
            defects.push_back({"T.java", plainLineAt(code, m.group(2).begin), kMessage});
        return m.end(); // methods nested in the body are examined in turn
    });
    if (reach)
        *reach = seen;
    return defects;
}

const std::vector<std::string> kEqualsFragments = {" ",
                                                   ";",
                                                   "boolean equals(Object o) {",
                                                   "}",
                                                   "{",
                                                   "(",
                                                   ")",
                                                   "\n",
                                                   "boolean ",
                                                   "equals",
                                                   "Object ",
                                                   "Object",
                                                   "o",
                                                   ",",
                                                   "getClass()",
                                                   "final ",
                                                   "public ",
                                                   "\t",
                                                   "\r",
                                                   "\f",
                                                   "x",
                                                   "boolean\tequals ( Object\no) {",
                                                   "public boolean equals(Object o, int i) {",
                                                   "boolean equals(Objects o) {",
                                                   "boolean equals(Object o);",
                                                   "getClass ( )",
                                                   "o.getClass() == getClass()",
                                                   "return o instanceof C;",
                                                   "class C ",
                                                   "int x;",
                                                   "if (x) {",
                                                   "/*c*/",
                                                   "// c\n",
                                                   "\"(\"",
                                                   "'{'",
                                                   "\xe9"};

rc::Gen<std::string> equalsTexts() {
    return textOf(kEqualsFragments);
}

/// Texts with "final class" in one place, followed by white space or not, or with words that
/// only look like it.
rc::Gen<std::string> equalsTextsInFinalClasses() {
    return concatenated({equalsTexts(),
                         rc::gen::elementOf(std::vector<std::string>{
                             "final class ", "final class\n", "final class{", "final classes ",
                             "final  class ", "finalclass "}),
                         equalsTexts()});
}

/// Method headers among semicolons and braces, some without their parentheses' ends or their
/// bodies, some ending right where the next match starts: a match's tail can then run over
/// other headers, and matches follow one another closely.
rc::Gen<std::string> equalsHeaders() {
    return textOf({" boolean equals(Object o) {x;", " boolean equals(Object o{;",
                   ";boolean equals(Object o}", " boolean equals(Object o", "{", "}", ";", " ", "x",
                   "(", "final ", "getClass()", ") {"});
}

/// Equals methods nested in one another through anonymous classes, each with a long body of
/// its own, some calling getClass(): the bodies' bracket scans cover the text many times
/// over, and the bodies that ask for a call start one inside the other.
rc::Gen<std::string> nestedEqualsMethods() {
    return rc::gen::exec([] {
        const int depth = *rc::gen::inRange(3, 40);
        const auto filler = textOfCount(
            static_cast<std::size_t>(*rc::gen::inRange(1, 40)),
            {"int x = 0;\n", "g(x);\n", "{ }\n", "\n", "/* comment */\n", "boolean b;\n"});
        std::string text = "class C {\n";
        int closes = 0;
        for (int level = 0; level < depth; ++level) {
            text += *rc::gen::weightedElement<std::string>(
                {{6, "public boolean equals(Object o) {\n"},
                 {1, "public final boolean equals(Object o) {\n"},
                 {1, "void f() {\n"},
                 {2, "Object p = new Object() { public boolean equals(Object q) {\n"}});
            text += *filler;
            if (*rc::gen::inRange(0, 4) == 0)
                text += "if (getClass() != o.getClass()) return false;\n";
            if (*rc::gen::inRange(0, 3) == 0) {
                text += *filler + "}\n";
                ++closes;
            }
        }
        for (int open = depth - closes - *rc::gen::inRange(0, 2); open > 0; --open)
            text += *filler + (*rc::gen::inRange(0, 4) == 0 ? "x = getClass();\n" : "") + "}\n";
        return text;
    });
}

rc::Gen<std::string> equalsWithoutGetClassTexts() {
    return rc::gen::weightedOneOf<std::string>({{6, equalsTexts()},
                                                {2, equalsTextsInFinalClasses()},
                                                {3, equalsHeaders()},
                                                {3, nestedEqualsMethods()}});
}

RC_GTEST_PROP(EqualsWithoutGetClassRule, FindsWhatThePlainAlgorithmFinds, ()) {
    const std::string raw = *equalsWithoutGetClassTexts();
    RC_ASSERT(describe(runRule(1034, raw)) == describe(plainEqualsWithoutGetClass(raw)));
}

TEST(EqualsWithoutGetClassRule, GeneratedTextsReachNestedBodiesAndTheBracketIndex) {
    std::size_t reported = 0;
    Reach total;
    std::size_t bracketIndexed = 0;
    for (const std::string& raw : sampleOf(equalsWithoutGetClassTexts(), 300)) {
        Reach reach;
        reported += plainEqualsWithoutGetClass(raw, &reach).size();
        total.finalMethods += reach.finalMethods;
        total.shortTails += reach.shortTails;
        total.adjacentMatches += reach.adjacentMatches;
        total.withGetClass += reach.withGetClass;
        total.unclosedBodies += reach.unclosedBodies;
        total.matchesAfterIndex += reach.matchesAfterIndex;
        bracketIndexed += reach.matchesAfterIndex > 0 ? 1 : 0;
    }
    EXPECT_GT(reported, 100u);
    EXPECT_GT(total.finalMethods, 50u);
    EXPECT_GT(total.shortTails, 50u);
    EXPECT_GT(total.adjacentMatches, 50u);
    EXPECT_GT(total.withGetClass, 200u);
    EXPECT_GT(total.unclosedBodies, 80u);
    EXPECT_GT(bracketIndexed, 15u);
    EXPECT_GT(total.matchesAfterIndex, 100u);
}

} // namespace
