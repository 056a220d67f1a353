// Rule 1003 finds repeated imports through an index of import names instead of running its
// pattern. The pattern's lazy stretch and back-reference let the name start inside the white
// space after the first "import", and the match taken is the longest, which is not always the
// one the regex engine returns first. So the reference here is a plain enumeration: at each
// start every way of laying out the pattern is tried, the lazy stretch stops at the first
// repeat, and the longest match is taken, then the one whose name starts earlier.
#include "products/quarvel/search/TextScan.h"
#include "tests/differential/CollidingNames.h"
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

bool isSpace(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

bool startsWith(const std::string& code, std::size_t at, const std::string& word) {
    return code.compare(at, word.size(), word) == 0;
}

/// One way the pattern matches: where it ends and where group 1 lies.
struct Layout {
    std::size_t start;
    std::size_t end;
    std::size_t groupBegin;
    std::size_t groupEnd;
};

/// The ends of "import\s+\1;" at `at` for the group [groupBegin, groupEnd).
std::vector<std::size_t> repeatEnds(const std::string& code, std::size_t at, std::size_t groupBegin,
                                    std::size_t groupEnd) {
    std::vector<std::size_t> ends;
    if (!startsWith(code, at, "import"))
        return ends;
    const std::string group = code.substr(groupBegin, groupEnd - groupBegin);
    for (std::size_t name = at + 7; name <= code.size() && isSpace(code[name - 1]); ++name) {
        if (startsWith(code, name, group + ";"))
            ends.push_back(name + group.size() + 1);
    }
    return ends;
}

/// Every way the pattern matches from `start`, the lazy stretch taken as short as it can be
/// for each layout of what stands before it.
std::vector<Layout> layoutsAt(const std::string& code, std::size_t start) {
    std::vector<Layout> layouts;
    if (!startsWith(code, start, "import"))
        return layouts;
    for (std::size_t groupBegin = start + 7;
         groupBegin <= code.size() && isSpace(code[groupBegin - 1]); ++groupBegin) {
        for (std::size_t groupEnd = groupBegin + 1;
             groupEnd < code.size() && code[groupEnd - 1] != '*' && code[groupEnd - 1] != ';';
             ++groupEnd) {
            if (code[groupEnd] != ';')
                continue;
            for (std::size_t stretchEnd = groupEnd + 1; stretchEnd <= code.size(); ++stretchEnd) {
                const std::vector<std::size_t> ends =
                    repeatEnds(code, stretchEnd, groupBegin, groupEnd);
                for (const std::size_t end : ends)
                    layouts.push_back({start, end, groupBegin, groupEnd});
                if (!ends.empty() || stretchEnd == code.size() || code[stretchEnd] == '(' ||
                    code[stretchEnd] == '{')
                    break;
            }
        }
    }
    return layouts;
}

/// The match taken among the layouts at one start: the longest, then the one whose group
/// starts earlier, then the one whose group is longer.
std::optional<Layout> chosen(const std::vector<Layout>& layouts) {
    std::optional<Layout> best;
    for (const Layout& l : layouts) {
        if (!best || l.end > best->end ||
            (l.end == best->end &&
             (l.groupBegin < best->groupBegin ||
              (l.groupBegin == best->groupBegin && l.groupEnd > best->groupEnd))))
            best = l;
    }
    return best;
}

/// Each match of the search loop, which resumes at the end of group 1.
std::vector<Layout> plainMatches(const std::string& code) {
    std::vector<Layout> matches;
    for (std::size_t start = 0; start < code.size(); ++start) {
        if (const auto match = chosen(layoutsAt(code, start))) {
            matches.push_back(*match);
            start = match->groupEnd - 1; // the next search starts at the end of the group
        }
    }
    return matches;
}

DefectList plainDuplicateImports(const std::string& raw) {
    const std::string code = util::parser::compiler::syntaxhighlighter::makeSourceViews(raw).code;
    DefectList defects;
    for (const Layout& match : plainMatches(code))
        defects.push_back({"T.java", plainLineAt(code, match.end), kMessage});
    return defects;
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
    std::size_t reported = 0;
    std::size_t manyImports = 0;   // texts with more than 100 imports
    std::size_t leadingBlanks = 0; // matches whose name starts inside the white space
    std::size_t notTheFirst = 0;   // matches longer than that of the name alone
    std::size_t sameHashOnly = 0;  // texts where the two long names meet
    const std::string tm = "import " + thueMorseName(false) + ";";
    const std::string swapped = thueMorseName(true) + ";";
    for (const std::string& raw : sampleOf(duplicateImportTexts(), 300)) {
        const std::string code =
            util::parser::compiler::syntaxhighlighter::makeSourceViews(raw).code;
        std::size_t imports = 0;
        for (std::size_t at = code.find("import"); at != std::string::npos;
             at = code.find("import", at + 1))
            ++imports;
        manyImports += imports > 100 ? 1 : 0;
        for (const Layout& match : plainMatches(code)) {
            ++reported;
            leadingBlanks += isSpace(code[match.groupBegin]) ? 1 : 0;
            const std::vector<Layout> layouts = layoutsAt(code, match.start);
            std::size_t nameOnly = 0; // the group that starts after all the white space
            for (const Layout& l : layouts)
                nameOnly = std::max(nameOnly, l.groupBegin);
            for (const Layout& l : layouts) {
                if (l.groupBegin == nameOnly && l.end < match.end) {
                    ++notTheFirst;
                    break;
                }
            }
        }
        const std::size_t first = code.find(tm);
        if (first != std::string::npos && code.find(swapped, first) != std::string::npos &&
            code.find_first_of("({", first) > code.find(swapped, first))
            ++sameHashOnly;
    }
    EXPECT_GT(reported, 3000u);
    EXPECT_GT(manyImports, 30u);
    EXPECT_GT(leadingBlanks, 1500u);
    EXPECT_GT(notTheFirst, 500u);
    EXPECT_GT(sameHashOnly, 10u);
}

} // namespace
