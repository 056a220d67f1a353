// Rule 1003 finds repeated imports through an index of import names instead of running its
// pattern. The pattern's lazy stretch and back-reference let the name start inside the white
// space after the first "import", and the match taken is the longest, which is not always the
// one the regex engine returns first. So the reference here is a plain enumeration: at each
// start every way of laying out the pattern is tried, the lazy stretch stops at the first
// repeat, and the longest match is taken, then the one whose name starts earlier.
#include "products/quarvel/search/TextScan.h"
#include "tests/differential/CollidingNames.h"
#include "tests/differential/LazyStretchReference.h"
#include "tests/support/Generators.h"
#include "tests/support/PlainSearch.h"
#include "tests/support/RuleHarness.h"
#include "util/parser/compiler/syntaxhighlighter/SourceViews.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <rapidcheck/gtest.h>
#include <vector>

namespace {

using namespace quarvel::testing;
using products::quarvel::rule::DefectList;

// "import\s+([^*;]+);[^\(\{]*?import\s+\1;", laid out by hand below.
const char kMessage[] = "Duplicate import statement.";

/// The ends of "import\s+\1;" at `at` for the group [groupBegin, groupEnd).
std::vector<std::size_t> repeatEnds(const std::string& code, std::size_t at, std::size_t groupBegin,
                                    std::size_t groupEnd) {
    std::vector<std::size_t> ends;
    if (!startsWithAt(code, at, "import"))
        return ends;
    const std::string group = code.substr(groupBegin, groupEnd - groupBegin);
    for (std::size_t name = at + 7; name <= code.size() && isPatternSpace(code[name - 1]); ++name) {
        if (startsWithAt(code, name, group + ";"))
            ends.push_back(name + group.size() + 1);
    }
    return ends;
}

const LazyStretchPattern kDuplicateImport{"import", "*", repeatEnds, true};

DefectList plainDuplicateImports(const std::string& raw) {
    return plainLazyStretchDefects(kDuplicateImport, raw, kMessage);
}

rc::Gen<std::string> importTexts() {
    return textOf({"import",      " ",           "  ",
                   "\t",          "\n",          "\r\n",
                   "a",           "b",           ".",
                   ";",           "*",           "(",
                   "{",           "x",           "import a;",
                   "import  a;",  "import\ta;",  "import a.b;",
                   " a.b;",       "\v",          "import ;",
                   "import  ;",   "import a.*;", "/*c*/",
                   "// c\n",      "}",           "\"(\"",
                   "import \ta;", "class C {",   "importa;",
                   "import (;",   "importa.b;",  "import\n a.b;"});
}

/// Many imports of a few names, with differing white space in front of the names, now and
/// then a bracket that ends the stretch, and two long names with equal hashes.
rc::Gen<std::string> manyImportTexts() {
    std::vector<std::string> fragments;
    for (const char* blanks : {" ", "  ", "\t", " \t", "   ", "\n "}) {
        for (const char* name : {"a.B", "a.C", "d", " a.B", "a.B "})
            fragments.push_back(std::string("import") + blanks + name + ";\n");
    }
    fragments.insert(fragments.end(), {"x();\n", "{", "(", "/* c */", "import a.*;\n",
                                       "import " + thueMorseName(false) + ";\n",
                                       "import " + thueMorseName(true) + ";\n"});
    return textOfCount(150, fragments);
}

rc::Gen<std::string> duplicateImportTexts() {
    return rc::gen::weightedOneOf<std::string>({{3, importTexts()}, {1, manyImportTexts()}});
}

RC_GTEST_PROP(DuplicateImportRule, FindsWhatThePlainAlgorithmFinds, ()) {
    const std::string raw = *duplicateImportTexts();
    RC_ASSERT(describe(runRule(1003, raw)) == describe(plainDuplicateImports(raw)));
}

TEST(DuplicateImportRule, TheLongNamesShareAHash) {
    const std::string a = thueMorseName(false);
    const std::string b = thueMorseName(true);
    const std::string text = a + b;
    products::quarvel::search::StretchHashes hashes(text);
    ASSERT_NE(a, b);
    EXPECT_EQ(hashes.of(0, a.size()), hashes.of(a.size(), text.size()));
}

TEST(DuplicateImportRule, GeneratedTextsReachTheIndexAndEveryChoice) {
    LazyStretchReach reach;
    const std::string first = "import " + thueMorseName(false) + ";";
    const std::string second = thueMorseName(true) + ";";
    for (const std::string& raw : sampleOf(duplicateImportTexts(), 300))
        reach.add(kDuplicateImport,
                  util::parser::compiler::syntaxhighlighter::makeSourceViews(raw).code, first,
                  second);
    EXPECT_GT(reach.reported, 3000u);
    EXPECT_GT(reach.manyImports, 30u);
    EXPECT_GT(reach.leadingBlanks, 1500u);
    EXPECT_GT(reach.notTheFirst, 500u);
    EXPECT_GT(reach.sameHashOnly, 10u);
}

} // namespace
