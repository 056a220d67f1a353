// Rule 1030 finds Thread subclasses by hand and remembers where the next run() method stands
// for the bodies of nested classes; here it is compared with the plain algorithm: both stored
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

const Pattern kThreadSubclass(R"(([^\{\}]*)class\s+\w+\s+extends\s+Thread\s[^\{]*\{.)");
const Pattern kRunMethod(R"(public\s+void\s+run\s*\(\s*\))");
const char kMessage[] = "public void run() not overridden when extending Thread.";

struct Reach {
    std::size_t abstractClasses = 0;
    /// Matches whose group 1 holds another "class" before the one it ends at, and matches
    /// whose header holds a "}" before its "{".
    std::size_t classInGroup = 0;
    std::size_t closeInHeader = 0;
    std::size_t withRun = 0;
    std::size_t unclosedBodies = 0;
    std::size_t matchesAfterIndex = 0;
};

DefectList plainThreadsWithoutRun(const std::string& raw, Reach* reach = nullptr) {
    const std::string code = util::parser::compiler::syntaxhighlighter::makeSourceViews(raw).code;
    CountedBracketScan braces(code, '{', '}');
    Reach seen;
    DefectList defects;
    plainForEachMatch(kThreadSubclass, code, [&](const Match& m) -> Resume {
        seen.classInGroup += m.groupText(code, 1).find("class") != std::string::npos ? 1 : 0;
        seen.closeInHeader += code.find('}', m.group(1).end) < m.end() ? 1 : 0;
        if (m.groupText(code, 1).find("abstract") != std::string::npos) {
            ++seen.abstractClasses;
            return m.end();
        }
        seen.matchesAfterIndex += braces.indexed() ? 1 : 0;
        const std::size_t bodyStart = m.end() - 1;
        const auto close = braces.matchingClose(bodyStart);
        // A class without its closing brace has its body run to the end of the text.
        const std::size_t bodyEnd = close ? *close : code.size();
        seen.unclosedBodies += close ? 0 : 1;
        if (plainSearch(kRunMethod, code, bodyStart, bodyEnd))
            ++seen.withRun;
        else
            defects.push_back({"T.java", plainLineAt(code, m.begin()), kMessage});
        return m.end(); // nested classes are examined in turn
    });
    if (reach)
        *reach = seen;
    return defects;
}

rc::Gen<std::string> threadTexts() {
    return textOf({" ",
                   "class T extends Thread {",
                   "}",
                   "{",
                   "public void run()",
                   "\n",
                   "class ",
                   "T",
                   " extends ",
                   "Thread",
                   "Thread ",
                   "abstract ",
                   "public ",
                   "void ",
                   "run",
                   "()",
                   "( )",
                   ";",
                   "\t",
                   "\r",
                   "\f",
                   "x",
                   "public\tvoid run ( )",
                   "public void runs()",
                   "extends Thread{",
                   "class T extends Thread implements R {",
                   "abstract class A extends Thread {",
                   "class T extends java.lang.Thread {",
                   "class T  extends  Thread\n{",
                   "subclass ",
                   "class T extends Thread implements abstract_class {",
                   "class T extends Thread{",
                   "class T extends Threads {",
                   "/*c*/",
                   "// c\n",
                   "\"{\"",
                   "'}'",
                   "\xe9"});
}

/// Thread subclasses nested in one another, each with a long body of its own, some with a
/// run() method: the bodies' bracket scans cover the text many times over, and the bodies that
/// ask for a run() method start one inside the other.
rc::Gen<std::string> nestedThreads() {
    return rc::gen::exec([] {
        const int depth = *rc::gen::inRange(3, 40);
        const auto filler = textOfCount(static_cast<std::size_t>(*rc::gen::inRange(1, 40)),
                                        {"int x = 0;\n", "void f() { g(); }\n", "{ }\n", "\n",
                                         "/* comment */\n", "class N { }\n"});
        std::string text;
        int closes = 0;
        for (int level = 0; level < depth; ++level) {
            text += *rc::gen::weightedElement<std::string>(
                {{6, "class T extends Thread {\n"},
                 {1, "public abstract class A extends Thread {\n"},
                 {1, "class N {\n"},
                 {1, "new Thread() {\n"}});
            text += *filler;
            if (*rc::gen::inRange(0, 4) == 0)
                text += "public void run() { work(); }\n";
            if (*rc::gen::inRange(0, 3) == 0) {
                text += *filler + "}\n";
                ++closes;
            }
        }
        for (int open = depth - closes - *rc::gen::inRange(0, 2); open > 0; --open)
            text +=
                *filler + (*rc::gen::inRange(0, 4) == 0 ? "public void run() {}\n" : "") + "}\n";
        return text;
    });
}

/// Class headers without their braces, with "abstract" and closing braces among them: the
/// match's group 1 then reaches back over several headers, and a header can run over a "}".
rc::Gen<std::string> threadHeaders() {
    return textOf({" ", "class T extends Thread ", "{", "}", "abstract ", "\n", "class ",
                   "subclass", "public void run()", "x", "class U extends\tThread\r"});
}

rc::Gen<std::string> threadWithoutRunTexts() {
    return rc::gen::weightedOneOf<std::string>(
        {{4, threadTexts()}, {2, threadHeaders()}, {1, nestedThreads()}});
}

RC_GTEST_PROP(ThreadWithoutRunRule, FindsWhatThePlainAlgorithmFinds, ()) {
    const std::string raw = *threadWithoutRunTexts();
    RC_ASSERT(describe(runRule(1030, raw)) == describe(plainThreadsWithoutRun(raw)));
}

TEST(ThreadWithoutRunRule, GeneratedTextsReachNestedBodiesAndTheBracketIndex) {
    std::size_t reported = 0;
    Reach total;
    std::size_t bracketIndexed = 0;
    for (const std::string& raw : sampleOf(threadWithoutRunTexts(), 300)) {
        Reach reach;
        reported += plainThreadsWithoutRun(raw, &reach).size();
        total.abstractClasses += reach.abstractClasses;
        total.classInGroup += reach.classInGroup;
        total.closeInHeader += reach.closeInHeader;
        total.withRun += reach.withRun;
        total.unclosedBodies += reach.unclosedBodies;
        total.matchesAfterIndex += reach.matchesAfterIndex;
        bracketIndexed += reach.matchesAfterIndex > 0 ? 1 : 0;
    }
    EXPECT_GT(reported, 200u);
    EXPECT_GT(total.abstractClasses, 100u);
    EXPECT_GT(total.classInGroup, 100u);
    EXPECT_GT(total.closeInHeader, 50u);
    EXPECT_GT(total.withRun, 300u);
    EXPECT_GT(total.unclosedBodies, 200u);
    EXPECT_GT(bracketIndexed, 15u);
    EXPECT_GT(total.matchesAfterIndex, 100u);
}

} // namespace
