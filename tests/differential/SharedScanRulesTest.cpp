// Every rule with the file's shared literal scan against every rule searching on its own: the
// same defects, in the same order, on texts made of the words and marks that the rules look
// for, in code, comments and literals, so that the shared places are asked for from every
// kind of position and range.
#include "products/quarvel/rule/AllRules.h"
#include "products/quarvel/search/SharedScans.h"
#include "tests/support/Generators.h"
#include "tests/support/RuleHarness.h"

#include <gtest/gtest.h>

#include <rapidcheck/gtest.h>
#include <set>

namespace {

using namespace quarvel::testing;
using products::quarvel::rule::DefectList;
using products::quarvel::search::SharedScans;

const std::vector<std::string> kFragments{" ",
                                          "\n",
                                          "{",
                                          "}",
                                          "(",
                                          ")",
                                          ";",
                                          "x",
                                          "=",
                                          "!",
                                          ".",
                                          "\"s\"",
                                          "/* if */",
                                          "// final\n",
                                          "if",
                                          "if (x) {",
                                          "else",
                                          "for",
                                          "while",
                                          "do",
                                          "switch",
                                          "case 1:",
                                          "default:",
                                          "break;",
                                          "continue;",
                                          "return",
                                          "new",
                                          "class A",
                                          "extends B",
                                          "public",
                                          "protected",
                                          "private",
                                          "static",
                                          "final",
                                          "finally",
                                          "abstract",
                                          "native",
                                          "strictfp",
                                          "synchronized",
                                          "boolean",
                                          "int",
                                          "void",
                                          "catch",
                                          "catch (Exception e) {",
                                          "try {",
                                          "throw",
                                          "throws",
                                          "super",
                                          "finalize()",
                                          "equals(Object o)",
                                          "hashCode()",
                                          "getClass()",
                                          "==",
                                          "!=",
                                          "true",
                                          "false",
                                          "import java.lang.String;",
                                          "import a.*;",
                                          "package p;",
                                          "System.out.print",
                                          "System.err.print",
                                          "e.printStackTrace();",
                                          "assert(",
                                          "/** @author me */",
                                          "Thread",
                                          "run()",
                                          "\t",
                                          "\r\n",
                                          "catch (Exception e) {}",
                                          "if (x) {}",
                                          "for (;;) {}",
                                          "while (x) {}",
                                          "finally {}",
                                          "finally { return; }",
                                          "if (x) return true; else return false;",
                                          "switch (x) { case 1: x(); }",
                                          "protected void finalize() {}",
                                          "void f(int a) {",
                                          "public boolean equals(Object o) {",
                                          "int unused = 0;",
                                          "x == \"a\"",
                                          "x.finalize();",
                                          "class E extends Exception {}",
                                          "public void run() {}",
                                          "class T extends Thread {",
                                          "public static final synchronized",
                                          "final static public",
                                          "if (x == null) { synchronized",
                                          "throw new Exception();",
                                          "catch (Throwable t) {",
                                          "import p.A;",
                                          "public int hashcode()",
                                          "String s = \"a\\b\";",
                                          "x = 1;;",
                                          "/** @param x @unknown */",
                                          "    \t  x",
                                          "aaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaa"
                                          "aaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaa"};

DefectList withSharing(bool share, std::int32_t rule, const std::string& text) {
    SharedScans::shareForTesting(share);
    DefectList defects = runRule(rule, text);
    SharedScans::shareForTesting(true);
    return defects;
}

std::vector<std::int32_t> everyRule() {
    std::vector<std::int32_t> numbers;
    for (std::int32_t n = 1000; n <= 1041; ++n)
        numbers.push_back(n);
    return numbers;
}

RC_GTEST_PROP(SharedScanRules, FindWhatEachRuleFindsSearchingAlone, ()) {
    const std::string text = *textOf(kFragments);
    for (const std::int32_t rule : everyRule())
        RC_ASSERT(describe(withSharing(true, rule, text)) ==
                  describe(withSharing(false, rule, text)));
}

TEST(SharedScanRules, GeneratedTextsMakeMostRulesReport) {
    std::set<std::int32_t> reporting;
    for (const std::string& text : sampleOf(textOf(kFragments), 300)) {
        for (const std::int32_t rule : everyRule()) {
            if (!runRule(rule, text).empty())
                reporting.insert(rule);
        }
    }
    EXPECT_GE(reporting.size(), 28u);
}

} // namespace
