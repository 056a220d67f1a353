// Rule 1036 finds imports of the declared package through an index of import names instead
// of running its pattern. The pattern's lazy stretch and back-reference let the package name
// start inside the white space after "package", and the match taken is the longest, which is
// not always the one the regex engine returns first. So the reference here is a plain
// enumeration: at each start every way of laying out the pattern is tried, the lazy stretch
// stops at the first import that completes it, and the longest match is taken, then the one
// whose name starts earlier.
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

// "package\s+([^;]+);[^\(\{]*?import\s+\1\.[^\.]+;", laid out by hand below.
const char kMessage[] = "Importing classes from current package.";

/// The ends of "import\s+\1\.[^\.]+;" at `at` for the group [groupBegin, groupEnd).
std::vector<std::size_t> importEnds(const std::string& code, std::size_t at, std::size_t groupBegin,
                                    std::size_t groupEnd) {
    std::vector<std::size_t> ends;
    if (!startsWithAt(code, at, "import"))
        return ends;
    const std::string group = code.substr(groupBegin, groupEnd - groupBegin);
    for (std::size_t name = at + 7; name <= code.size() && isPatternSpace(code[name - 1]); ++name) {
        if (!startsWithAt(code, name, group + "."))
            continue;
        const std::size_t partBegin = name + group.size() + 1;
        for (std::size_t partEnd = partBegin + 1; partEnd < code.size() && code[partEnd - 1] != '.';
             ++partEnd) {
            if (code[partEnd] == ';')
                ends.push_back(partEnd + 1);
        }
    }
    return ends;
}

const LazyStretchPattern kSamePackageImport{"package", "", importEnds, false};

DefectList plainSamePackageImports(const std::string& raw) {
    return plainLazyStretchDefects(kSamePackageImport, raw, kMessage);
}

rc::Gen<std::string> packageTexts() {
    return textOf({"package",
                   "import",
                   " ",
                   "  ",
                   "\t",
                   "\n",
                   "\r\n",
                   "p",
                   "q",
                   ".",
                   ";",
                   "A",
                   "(",
                   "{",
                   "x",
                   "package p;",
                   "package p.q;",
                   "import p.A;",
                   "import p.q.A;",
                   "package  p;",
                   "import  p.A;",
                   "import p.A;B;",
                   "import p.;",
                   "package ;",
                   "import  .A;",
                   "/*c*/",
                   "// c\n",
                   "class C {",
                   "import p.q;",
                   "package p ;",
                   "import p .A;",
                   "import p.q.r.A;",
                   "\v",
                   "import\t p.A;",
                   "importp.A;",
                   "package  ;",
                   "import .A;",
                   "package {;",
                   "import {.A;",
                   "}"});
}

/// Many imports, a few declarations, white space that differs in front of the names, now and
/// then a bracket that ends the stretch, and two long names with equal hashes.
rc::Gen<std::string> manyImportTexts() {
    std::vector<std::string> fragments;
    for (const char* blanks : {" ", "  ", "\t", " \t", "   ", "\n "}) {
        for (const char* name : {"p.q", "p", " p.q", "p.q.r", "a.b", "p.q "})
            fragments.push_back(std::string("import") + blanks + name + ".A;\n");
        fragments.push_back(std::string("package") + blanks + "p.q;\n");
    }
    fragments.insert(fragments.end(), {"x();\n", "{", "(", "/* c */", "import p.q.A;B;\n",
                                       "import p.q.*;\n", "package " + thueMorseName(false) + ";\n",
                                       "import " + thueMorseName(true) + ".A;\n",
                                       "import " + thueMorseName(false) + ".A;\n"});
    return textOfCount(150, fragments);
}

rc::Gen<std::string> samePackageTexts() {
    return rc::gen::weightedOneOf<std::string>({{3, packageTexts()}, {1, manyImportTexts()}});
}

RC_GTEST_PROP(SamePackageImportRule, FindsWhatThePlainAlgorithmFinds, ()) {
    const std::string raw = *samePackageTexts();
    RC_ASSERT(describe(runRule(1036, raw)) == describe(plainSamePackageImports(raw)));
}

TEST(SamePackageImportRule, GeneratedTextsReachTheIndexAndEveryChoice) {
    LazyStretchReach reach;
    const std::string first = "package " + thueMorseName(false) + ";";
    const std::string second = "import " + thueMorseName(true) + ".A;";
    for (const std::string& raw : sampleOf(samePackageTexts(), 300))
        reach.add(kSamePackageImport,
                  util::parser::compiler::syntaxhighlighter::makeSourceViews(raw).code, first,
                  second);
    EXPECT_GT(reach.reported, 400u);
    EXPECT_GT(reach.manyImports, 30u);
    EXPECT_GT(reach.leadingBlanks, 150u);
    EXPECT_GT(reach.notTheFirst, 100u);
    EXPECT_GT(reach.sameHashOnly, 10u);
}

} // namespace
