// Rule 1023 finds method bodies and declarations by hand, and once its searches for names have
// covered more than the whole text it looks names up in an index of the text's words instead.
// Here it is compared with the plain algorithm: the two stored patterns searched at every
// position, a pattern built for each declared name, and the bracket scan counted byte by byte.
#include "tests/support/Generators.h"
#include "tests/support/PlainSearch.h"
#include "tests/support/RuleHarness.h"
#include "util/parser/compiler/syntaxhighlighter/SourceViews.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <rapidcheck/gtest.h>

namespace {

using namespace quarvel::testing;
using products::quarvel::rule::DefectList;

const Pattern kMethodWithBody(R"(\w+\([^)]*\)[^;]*?\{.)");
const Pattern kDeclaration(R"((\w+)\s+([[:alpha:]_]+\w*)\s*(;|=))");
const std::array<const char*, 5> kStatementWords = {"return", "throw", "break", "continue", "else"};
const char kMessage[] = "Unused local variable.";

/// Bytes the rule's direct searches may cover beyond the text's size before it builds an index.
constexpr std::size_t kScanAllowance = 4096;

/// The search loop over [from, to) alone. (The patterns of this test have no anchors, so every
/// search tries every position in any case.)
template <class OnMatch>
void plainForEachMatchIn(const Pattern& pattern, const std::string& text, OnMatch onMatch,
                         std::size_t from, std::size_t to) {
    const EveryPositionSearch everywhere;
    products::quarvel::search::forEachMatch(pattern, text, onMatch, from, to);
}

/// What the plain algorithm went through on one text: enough to tell whether the rule's
/// second paths (the word index, the bracket index) were reached.
struct Reach {
    std::size_t mostDeclarationsInOneMethod = 0;
    /// Bytes from each examined name to its first use (or to the end of its scope): what a
    /// direct search for the name covers at least.
    std::size_t searchedForNames = 0;
    /// Bytes covered by the bracket scans of bodies and scopes.
    std::size_t scannedForBraces = 0;
    /// Declarations examined once the searches for names had covered more than the text's
    /// size plus the allowance, used and unused.
    std::size_t usedAfterIndex = 0;
    std::size_t unusedAfterIndex = 0;
};

DefectList plainUnusedLocals(const std::string& raw, Reach* reach = nullptr) {
    const std::string code = util::parser::compiler::syntaxhighlighter::makeSourceViews(raw).code;
    Reach seen;
    const auto scan = [&](std::size_t start) {
        const auto close = plainMatchingClose(code, start, '{', '}');
        seen.scannedForBraces += (close ? *close + 1 : code.size()) - start;
        return close;
    };
    DefectList defects;
    plainForEachMatch(kMethodWithBody, code, [&](const Match& method) -> Resume {
        const std::size_t bodyStart = method.end() - 1;
        const auto close = scan(bodyStart);
        // A method without its closing brace has its body run to the end of the text, and the
        // search ends with it.
        const std::size_t bodyEnd = close ? *close : code.size();
        std::size_t declarations = 0;
        plainForEachMatchIn(
            kDeclaration, code,
            [&](const Match& declaration) -> Resume {
                const std::string word = declaration.groupText(code, 1);
                if (std::find(kStatementWords.begin(), kStatementWords.end(), word) !=
                    kStatementWords.end())
                    return declaration.end();
                ++declarations;
                const std::size_t nameEnd = declaration.group(2).end;
                // A scope without its closing brace runs to the end of the text.
                const auto scopeClose = scan(nameEnd);
                const std::size_t scopeEnd = scopeClose ? *scopeClose : code.size();
                const Pattern use("[^\\w]" + declaration.groupText(code, 2) + "[^\\w]");
                const auto found = plainSearch(use, code, nameEnd, scopeEnd);
                const bool indexed = seen.searchedForNames > code.size() + kScanAllowance;
                seen.searchedForNames += (found ? found->begin() + 1 : scopeEnd) - nameEnd;
                if (!found)
                    defects.push_back(
                        {"T.java", plainLineAt(code, declaration.group(2).begin), kMessage});
                if (indexed)
                    ++(found ? seen.usedAfterIndex : seen.unusedAfterIndex);
                return declaration.end();
            },
            bodyStart, bodyEnd);
        seen.mostDeclarationsInOneMethod = std::max(seen.mostDeclarationsInOneMethod, declarations);
        if (!close)
            return std::nullopt;
        return *close;
    });
    if (reach)
        *reach = seen;
    return defects;
}

rc::Gen<std::string> localTexts() {
    return textOf({" ",
                   "x",
                   "int ",
                   "{",
                   "}",
                   ";",
                   "=",
                   "(",
                   ")",
                   "\n",
                   "void f() {",
                   "int x;",
                   "int x = 1;",
                   "g(x);",
                   "return x;",
                   "x;}",
                   "x}",
                   "(x)}",
                   "\t",
                   "\r",
                   "\r\n",
                   "\f",
                   "\v",
                   "y",
                   "_z",
                   "int _z;",
                   "g(_z);",
                   "a1",
                   "1a",
                   "String ",
                   "final ",
                   ",",
                   ".",
                   "int a, b;",
                   "return ",
                   "throw ",
                   "break ",
                   "continue ",
                   "else ",
                   "f (x) {",
                   "abstract void g();",
                   "new R() {",
                   "/*x*/",
                   "// x\n",
                   "\"x\"",
                   "'x'",
                   "\xe9"});
}

/// Names of locals; every third starts with an underscore.
std::string nameOf(int number) {
    return (number % 3 == 0 ? "_v" : "v") + std::to_string(number);
}

/// One use of a name in the many shapes that its search must tell apart: after and before
/// various non-word bytes, as part of a longer word, at the end of a block, in a comment or a
/// literal, and right before a closing brace (where it is not found).
rc::Gen<std::string> useOf(const std::string& name) {
    return rc::gen::elementOf(std::vector<std::string>{
        "g(" + name + ");\n", "return " + name + ";}\n", name + ".run();\n",
        "x = " + name + "+1;\n", "(" + name + ")}\n", name + "}\n", "a" + name + ";\n",
        "g(" + name + "1);\n", "/*" + name + "*/\n", "\"" + name + "\";\n", "\t" + name + "\r",
        "{" + name + "\n}", name + "=" + name + ";\n"});
}

/// One method with more than 300 declarations among its statements (names drawn from a pool, so
/// some repeat), nested blocks among them that close before the method does, and then uses of some
/// of the names near the end.
rc::Gen<std::string> methodWithManyLocals() {
    return rc::gen::exec([] {
        const int count = *rc::gen::inRange(380, 440);
        const int pool = *rc::gen::inRange(count, 2 * count);
        std::string text = "class C {\n    void m(int p) {\n";
        int depth = 0;
        for (int i = 0; i < count; ++i) {
            const std::string name = nameOf(*rc::gen::inRange(0, pool));
            text += *rc::gen::weightedElement<std::string>({{12, "int " + name + " = 0;\n"},
                                                            {4, "String " + name + ";\n"},
                                                            {2, "Foo\t" + name + "=\r\nbar();"},
                                                            {2, "return " + name + ";\n"},
                                                            {1, "g(" + name + ");\n"}});
            if (*rc::gen::inRange(0, 20) == 0) {
                text += "{\n";
                ++depth;
            } else if (depth > 0 && *rc::gen::inRange(0, 10) == 0) {
                text += "}\n";
                --depth;
            }
        }
        const int uses = *rc::gen::inRange(0, 80);
        for (int i = 0; i < uses; ++i)
            text += *useOf(nameOf(*rc::gen::inRange(0, pool)));
        text += std::string(static_cast<std::size_t>(depth), '}');
        text += *rc::gen::elementOf(std::vector<std::string>{"    }\n}\n", "}", ""});
        return text;
    });
}

rc::Gen<std::string> unusedLocalTexts() {
    return rc::gen::weightedOneOf<std::string>(
        {{4, localTexts()},
         {1, concatenated({localTexts(), methodWithManyLocals(), localTexts()})}});
}

RC_GTEST_PROP(UnusedLocalVariableRule, FindsWhatThePlainAlgorithmFinds, ()) {
    const std::string raw = *unusedLocalTexts();
    RC_ASSERT(describe(runRule(1023, raw)) == describe(plainUnusedLocals(raw)));
}

TEST(UnusedLocalVariableRule, GeneratedTextsReachTheIndexedSearches) {
    std::size_t reported = 0;
    std::size_t manyLocals = 0;
    std::size_t bracketIndexed = 0;
    std::size_t usedAfterIndex = 0;
    std::size_t unusedAfterIndex = 0;
    for (const std::string& raw : sampleOf(unusedLocalTexts(), 300)) {

        Reach reach;
        reported += plainUnusedLocals(raw, &reach).size();
        manyLocals += reach.mostDeclarationsInOneMethod > 300 ? 1 : 0;
        bracketIndexed += reach.scannedForBraces > raw.size() + kScanAllowance ? 1 : 0;
        usedAfterIndex += reach.usedAfterIndex;
        unusedAfterIndex += reach.unusedAfterIndex;
    }
    EXPECT_GT(reported, 5000u);
    EXPECT_GT(manyLocals, 30u);
    EXPECT_GT(bracketIndexed, 30u);
    EXPECT_GT(usedAfterIndex, 1000u);
    EXPECT_GT(unusedAfterIndex, 5000u);
}

} // namespace
