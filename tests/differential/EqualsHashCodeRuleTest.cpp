// Rule 1014 counts its two declarations with searches that try the patterns only where their
// anchors allow; here it is compared with the plain algorithm: both stored patterns searched
// at every position, the counts compared and the last match of the larger count reported.
#include "tests/support/Generators.h"
#include "tests/support/PlainSearch.h"
#include "tests/support/RuleHarness.h"
#include "util/parser/compiler/syntaxhighlighter/SourceViews.h"

#include <gtest/gtest.h>

#include <rapidcheck/gtest.h>

namespace {

using namespace quarvel::testing;
using products::quarvel::rule::DefectList;

const Pattern kEqualsDeclaration(R"(boolean\s*equals\(\s*Object\s)");
const Pattern kHashCodeDeclaration(R"(int\s*hashCode\(\))");

struct Count {
    std::size_t matches = 0;
    std::size_t lastStart = 0;
};

Count plainCount(const Pattern& pattern, const std::string& code) {
    Count count;
    plainForEachMatch(pattern, code, [&](const Match& m) -> Resume {
        ++count.matches;
        count.lastStart = m.begin();
        return m.end();
    });
    return count;
}

DefectList plainUnbalanced(const std::string& raw) {
    const std::string code = util::parser::compiler::syntaxhighlighter::makeSourceViews(raw).code;
    const Count equals = plainCount(kEqualsDeclaration, code);
    const Count hashCode = plainCount(kHashCodeDeclaration, code);
    if (equals.matches == hashCode.matches)
        return {};
    const std::size_t at =
        equals.matches > hashCode.matches ? equals.lastStart : hashCode.lastStart;
    return {
        {"T.java", plainLineAt(code, at), "Override both Object.equals() and Object.hashCode()"}};
}

rc::Gen<std::string> declarationTexts() {
    return textOf({"boolean",
                   "equals(",
                   "Object",
                   " ",
                   "\t",
                   "\n",
                   "int",
                   "hashCode()",
                   "e",
                   "boolean equals(Object o)",
                   "int hashCode()",
                   "x",
                   "(",
                   ")",
                   "\r\n",
                   "/*c*/",
                   "booleanequals(Object\n",
                   "pint hashCode()",
                   "inthashCode()",
                   "iint",
                   "boolean equals( Object\t",
                   "hashCode( )",
                   "// c\n",
                   "\"int hashCode()\"",
                   "tint",
                   "nt",
                   "i",
                   "boolean boolean equals(Object ",
                   "boolean\n\ne",
                   "int/*c*/hashCode()",
                   "boolean/*c*/equals(/*c*/Object/*c*/"});
}

RC_GTEST_PROP(EqualsHashCodeRule, FindsWhatThePlainAlgorithmFinds, ()) {
    const std::string raw = *declarationTexts();
    RC_ASSERT(describe(runRule(1014, raw)) == describe(plainUnbalanced(raw)));
}

TEST(EqualsHashCodeRule, GeneratedTextsReportEitherWayAndBalance) {
    std::size_t moreEquals = 0;
    std::size_t moreHashCodes = 0;
    std::size_t balancedButFound = 0;
    for (const std::string& raw : sampleOf(declarationTexts(), 300)) {
        const std::string code =
            util::parser::compiler::syntaxhighlighter::makeSourceViews(raw).code;
        const Count equals = plainCount(kEqualsDeclaration, code);
        const Count hashCode = plainCount(kHashCodeDeclaration, code);
        moreEquals += equals.matches > hashCode.matches ? 1 : 0;
        moreHashCodes += equals.matches < hashCode.matches ? 1 : 0;
        balancedButFound += equals.matches == hashCode.matches && equals.matches > 0 ? 1 : 0;
    }
    EXPECT_GT(moreEquals, 50u);
    EXPECT_GT(moreHashCodes, 30u);
    EXPECT_GT(balancedButFound, 20u);
}

} // namespace
