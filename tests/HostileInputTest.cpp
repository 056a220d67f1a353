// Every rule over texts built to make searches run long: unclosed or deeply nested brackets,
// endless headers, a single huge line, random bytes. A rule that gives up on such a text
// reports a failed internal check; a rule that turns quadratic on it makes the test exceed
// the time limit set for it in CMakeLists.txt.

#include "app/Analysis.h"
#include "app/FileAnalysis.h"
#include "products/quarvel/rule/AllRules.h"
#include "products/quarvel/ruleconfig/DirectiveRuleDisableParser.h"
#include "util/AssertionReporter.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

namespace {

constexpr std::size_t kMegabyte = 1 << 20;

std::string repeatedUpTo(const std::string& unit, std::size_t size) {
    std::string text;
    text.reserve(size + unit.size());
    while (text.size() < size)
        text += unit;
    return text;
}

std::string randomBytes(std::size_t size) {
    std::mt19937 random(20261208);
    std::string text(size, '\0');
    for (char& c : text)
        c = static_cast<char>(random() & 0xff);
    return text;
}

/// One method declaring many variables, none of them used.
std::string unusedDeclarations(std::size_t size) {
    std::string text = "void f() {";
    for (int i = 0; text.size() < size; ++i)
        text += " int v" + std::to_string(i) + ";";
    return text + "}";
}

/// Many imports, all of different classes, none used.
std::string distinctImports(std::size_t size) {
    std::string text;
    for (int i = 0; text.size() < size; ++i)
        text += "import a.b.C" + std::to_string(i) + ";\n";
    return text;
}

/// `opener` nested as deep as a megabyte allows, then closed.
std::string nestedUpTo(const std::string& opener, const std::string& closer) {
    const std::size_t depth = kMegabyte / (opener.size() + closer.size());
    return repeatedUpTo(opener, depth * opener.size()) +
           repeatedUpTo(closer, depth * closer.size());
}

/// The hostile text of the given name.
std::string hostileText(const std::string& name) {
    if (name == "IfHeaders")
        return repeatedUpTo(" if (", kMegabyte);
    if (name == "ForHeaders")
        return repeatedUpTo(" for (", kMegabyte);
    if (name == "WhileHeaders")
        return repeatedUpTo("while (", kMegabyte);
    if (name == "FinalizerHeaders")
        return repeatedUpTo("protected void finalize() ", kMegabyte);
    if (name == "CatchHeaders")
        return repeatedUpTo("} catch (", kMegabyte);
    if (name == "OpenBraces")
        return std::string(kMegabyte, '{');
    if (name == "OpenParentheses")
        return std::string(kMegabyte, '(');
    if (name == "NestedBraces")
        return std::string(100000, '{') + std::string(100000, '}');
    if (name == "OneLongLine")
        return repeatedUpTo("x = y + 1; ", kMegabyte);
    if (name == "RandomBytes")
        return randomBytes(kMegabyte);
    if (name == "UnusedDeclarations")
        return unusedDeclarations(kMegabyte);
    if (name == "Imports")
        return distinctImports(kMegabyte);
    if (name == "ImportsWithoutSemicolon")
        return repeatedUpTo("import a.", kMegabyte);
    if (name == "AddsWithoutSemicolon")
        return repeatedUpTo(".add(\"North\"", kMegabyte);
    if (name == "BlanksAfterCode")
        return "x" + repeatedUpTo(" \t", kMegabyte);
    if (name == "OneLongWord")
        return std::string(kMegabyte, 'w') + ".finalize();";
    if (name == "CallsWithoutBody")
        return repeatedUpTo("f(x) ", kMegabyte);
    if (name == "ThreadClassesWithoutBody")
        return repeatedUpTo("class A extends Thread ", kMegabyte);
    if (name == "SwitchesWithoutBody")
        return repeatedUpTo("switch (x) case 1: ", kMegabyte);
    if (name == "FinallyHeaders")
        return repeatedUpTo("} finally {", kMegabyte);
    if (name == "EqualsHeaders")
        return repeatedUpTo("; boolean equals(Object o) {", kMegabyte);
    if (name == "NestedSwitches")
        return nestedUpTo("switch (x) { case 1: f(); ", "} ");
    if (name == "NestedSwitchesWithDefault")
        return nestedUpTo("switch (x) { default: ", "} ");
    if (name == "CaseLabelsWithSpaces")
        return "switch (x) { " + repeatedUpTo("case a b: f(); ", kMegabyte) + "}";
    if (name == "StringComparisons")
        return repeatedUpTo("a == \"x\" ", kMegabyte);
    if (name == "EqualsHeadersWithoutBody")
        return repeatedUpTo("int hashCode() boolean equals(Object o) ", kMegabyte);
    if (name == "NestedFinallyBlocks")
        return nestedUpTo("try { } finally { ", "} ");
    if (name == "NestedFinalizers")
        return nestedUpTo("protected void finalize() { ", "} ");
    if (name == "NestedEqualsMethods")
        return nestedUpTo("; boolean equals(Object o) { ", "} ");
    if (name == "NestedThreadClasses")
        return nestedUpTo("class A extends Thread { ", "} ");
    return ""; // "Empty"
}

/// Runs every rule over the text and returns how many failed checks they reported.
std::size_t failedChecksOfAllRules(const std::string& text) {
    const products::quarvel::rule::AllRules rules;
    const products::quarvel::rule::RuleRegistry registry = rules.registry();
    const products::quarvel::ruleconfig::DirectiveRuleDisableParser disableParser;
    const std::size_t before = util::reportedAssertionCount();
    struct Ignored : app::FileDefects {
        void startRule(std::int32_t) override {}
        void onDefect(std::int32_t, std::string_view) override {}
        void finishRule(double) override {}
    } ignored;
    app::checkSource(text, registry, disableParser, {}, ignored);
    return util::reportedAssertionCount() - before;
}

void expectNoFailedChecks(const std::vector<std::string>& names) {
    for (const std::string& name : names)
        EXPECT_EQ(failedChecksOfAllRules(hostileText(name)), 0u) << name;
}

TEST(HostileInputs, EveryRuleFinishesItsSearch) {
    expectNoFailedChecks({"IfHeaders",
                          "ForHeaders",
                          "WhileHeaders",
                          "CatchHeaders",
                          "FinallyHeaders",
                          "EqualsHeaders",
                          "OpenBraces",
                          "OpenParentheses",
                          "NestedBraces",
                          "OneLongLine",
                          "OneLongWord",
                          "RandomBytes",
                          "UnusedDeclarations",
                          "Imports",
                          "ImportsWithoutSemicolon",
                          "AddsWithoutSemicolon",
                          "CallsWithoutBody",
                          "ThreadClassesWithoutBody",
                          "SwitchesWithoutBody",
                          "Empty"});
}

// Each of these once took from one to a hundred seconds: a search per candidate or per nested
// block that ran on to the end of the text.
TEST(HostileInputs, NestedBlocksAndLongRunsStayLinear) {
    expectNoFailedChecks({"FinalizerHeaders", "NestedSwitches", "NestedSwitchesWithDefault",
                          "CaseLabelsWithSpaces", "StringComparisons", "EqualsHeadersWithoutBody",
                          "NestedFinallyBlocks", "NestedFinalizers", "NestedEqualsMethods",
                          "NestedThreadClasses", "BlanksAfterCode"});
}

} // namespace
