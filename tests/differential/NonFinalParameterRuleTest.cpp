// Rule 1038 finds parameter lists by hand instead of running its pattern; here it is compared
// with the plain algorithm: the stored pattern searched at every position, the parameter list
// taken as the rule's match choice defines it, and the bracket scan counted byte by byte.
#include "tests/support/Generators.h"
#include "tests/support/PlainSearch.h"
#include "tests/support/RuleHarness.h"
#include "util/parser/compiler/syntaxhighlighter/SourceViews.h"

#include <gtest/gtest.h>

#include <rapidcheck/gtest.h>

namespace {

using namespace quarvel::testing;
using products::quarvel::rule::DefectList;

const Pattern kParameterList(R"(\w+\s*\(\s*([^()]*)\)[^;\{\}]*?\{.)");
const char kMessage[] = "Declare parameters final.";

/// Non-overlapping occurrences of `part` in `text`, counted from the left.
std::size_t occurrences(const std::string& text, const std::string& part) {
    std::size_t count = 0;
    for (std::size_t at = text.find(part); at != std::string::npos;
         at = text.find(part, at + part.size()))
        ++count;
    return count;
}

struct Reach {
    std::size_t unclosedBodies = 0;
    std::size_t blankLists = 0;
    /// Matches found once the rule's bracket index answers.
    std::size_t matchesAfterIndex = 0;
};

DefectList plainNonFinalParameters(const std::string& raw, Reach* reach = nullptr) {
    const std::string code = util::parser::compiler::syntaxhighlighter::makeSourceViews(raw).code;
    CountedBracketScan braces(code, '{', '}');
    Reach seen;
    DefectList defects;
    plainForEachMatch(kParameterList, code, [&](const Match& m) -> Resume {
        // Every repeat of the pattern is forced by the text except the white space right
        // after "(", which either "\s*" or group 1 can take: the matches differ only in where
        // group 1 starts, and the one whose group starts earlier is taken. So the list runs
        // from right after the parenthesis to the end of group 1, whatever the engine chose.
        const std::size_t listBegin = code.find('(', m.begin()) + 1;
        const std::string list = code.substr(listBegin, m.group(1).end - listBegin);
        if (!list.empty() && occurrences(list, "final ") <= occurrences(list, ","))
            defects.push_back({"T.java", plainLineAt(code, m.begin()), kMessage});
        seen.blankLists +=
            !list.empty() && list.find_first_not_of(" \t\r\n\f\v") == std::string::npos;
        seen.matchesAfterIndex += braces.indexed() ? 1 : 0;
        const auto close = braces.matchingClose(m.end() - 1);
        // The body is skipped; without a closing brace the search goes on after the match.
        if (!close)
            ++seen.unclosedBodies;
        return close ? *close : m.end();
    });
    if (reach)
        *reach = seen;
    return defects;
}

const std::vector<std::string> kParameterFragments = {" ",
                                                      "f(",
                                                      "int a",
                                                      ",",
                                                      ")",
                                                      "{",
                                                      "}",
                                                      "final ",
                                                      "(",
                                                      ";",
                                                      "x",
                                                      "\n",
                                                      "\t",
                                                      "\r",
                                                      "\f",
                                                      "final\t",
                                                      "final",
                                                      "void f() {",
                                                      "void f( ) {",
                                                      "void f(int a) {",
                                                      "void f(final int a, int b) {",
                                                      "void f(final int a, final int b) {",
                                                      "f (",
                                                      " throws E ",
                                                      "if (ready) {",
                                                      "static {",
                                                      "new R() {",
                                                      "abstract void g(int a);",
                                                      "g(a, b);",
                                                      "/*c*/",
                                                      "// c\n",
                                                      "\"(\"",
                                                      "'{'",
                                                      "\xe9"};

rc::Gen<std::string> parameterTexts() {
    return textOf(kParameterFragments);
}

/// Long texts with many headers and few closing braces: the bodies left open make the bracket
/// scans cover the text many times over, so the rule goes over to its bracket index.
rc::Gen<std::string> manyOpenBodies() {
    std::vector<std::string> fragments = kParameterFragments;
    for (int i = 0; i < 8; ++i)
        fragments.push_back("void f(int a, final int b) {\n");
    for (int i = 0; i < 8; ++i)
        fragments.push_back("int x = 0;\n");
    return textOfCount(500, fragments);
}

rc::Gen<std::string> nonFinalParameterTexts() {
    return rc::gen::weightedOneOf<std::string>({{6, parameterTexts()}, {1, manyOpenBodies()}});
}

RC_GTEST_PROP(NonFinalParameterRule, FindsWhatThePlainAlgorithmFinds, ()) {
    const std::string raw = *nonFinalParameterTexts();
    RC_ASSERT(describe(runRule(1038, raw)) == describe(plainNonFinalParameters(raw)));
}

TEST(NonFinalParameterRule, GeneratedTextsReachOpenBodiesAndTheBracketIndex) {
    std::size_t reported = 0;
    Reach total;
    std::size_t bracketIndexed = 0;
    for (const std::string& raw : sampleOf(nonFinalParameterTexts(), 300)) {
        Reach reach;
        reported += plainNonFinalParameters(raw, &reach).size();
        total.unclosedBodies += reach.unclosedBodies;
        total.blankLists += reach.blankLists;
        total.matchesAfterIndex += reach.matchesAfterIndex;
        bracketIndexed += reach.matchesAfterIndex > 0 ? 1 : 0;
    }
    EXPECT_GT(reported, 2000u);
    EXPECT_GT(total.unclosedBodies, 2000u);
    EXPECT_GT(total.blankLists, 200u);
    EXPECT_GT(bracketIndexed, 20u);
    EXPECT_GT(total.matchesAfterIndex, 2000u);
}

} // namespace
