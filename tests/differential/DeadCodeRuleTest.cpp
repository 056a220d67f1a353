// Rule 1028 finds its constant-false conditions by hand, with remembered next places of ";"
// and ")" for the for headers; here it is compared with the plain algorithm: the stored
// pattern searched at every position.
#include "tests/support/Generators.h"
#include "tests/support/PlainSearch.h"
#include "tests/support/RuleHarness.h"
#include "util/parser/compiler/syntaxhighlighter/SourceViews.h"

#include <gtest/gtest.h>

#include <rapidcheck/gtest.h>

namespace {

using namespace quarvel::testing;
using products::quarvel::rule::DefectList;

const Pattern kConstantFalseCondition(
    R"(if\s*\(\s*false\s*\)|while\s*\(\s*false\s*\)|for\s*\([^;]*;\s*false\s*;[^)]*\))");
const char kMessage[] = "Dead code detected.";

struct Reach {
    std::size_t forHeaders = 0;
    /// "for" words followed by another one before the next ";": a remembered next ";" found
    /// for the first serves the second.
    std::size_t sharedSemicolons = 0;
};

DefectList plainDeadCode(const std::string& raw, Reach* reach = nullptr) {
    const std::string code = util::parser::compiler::syntaxhighlighter::makeSourceViews(raw).code;
    Reach seen;
    DefectList defects;
    plainForEachMatch(kConstantFalseCondition, code, [&](const Match& m) -> Resume {
        defects.push_back({"T.java", plainLineAt(code, m.begin()), kMessage});
        seen.forHeaders += code.compare(m.begin(), 3, "for") == 0 ? 1 : 0;
        return m.end();
    });
    for (std::size_t at = code.find("for"); at != std::string::npos;) {
        const std::size_t next = code.find("for", at + 1);
        seen.sharedSemicolons += next != std::string::npos && next < code.find(';', at) ? 1 : 0;
        at = next;
    }
    if (reach)
        *reach = seen;
    return defects;
}

const std::vector<std::string> kDeadCodeFragments = {" ",
                                                     "if",
                                                     "(",
                                                     "false",
                                                     ")",
                                                     ";",
                                                     "for",
                                                     "while",
                                                     "\n",
                                                     "\t",
                                                     "\r",
                                                     "\f",
                                                     "\v",
                                                     "if (false)",
                                                     "if (",
                                                     "while (",
                                                     "( false)",
                                                     "(\tfalse )",
                                                     "for ( ;",
                                                     " false",
                                                     "false )",
                                                     "while(false)",
                                                     "for (;false;)",
                                                     "for (int i = 0; false; i++)",
                                                     "for (;",
                                                     "; false ;",
                                                     "false;",
                                                     "do {} while (false);",
                                                     "if (false && x)",
                                                     "fals",
                                                     "x",
                                                     "i",
                                                     "/*c*/",
                                                     "// c\n",
                                                     "\"false\"",
                                                     "'f'",
                                                     "\xe9"};

rc::Gen<std::string> deadCodeTexts() {
    return textOf(kDeadCodeFragments);
}

/// Long texts of for headers, many of them before one ";" or ")": the remembered next
/// places serve many headers each.
rc::Gen<std::string> manyForHeaders() {
    std::vector<std::string> fragments = kDeadCodeFragments;
    for (int i = 0; i < 6; ++i)
        fragments.push_back("for (");
    fragments.push_back("for(for(;false;)");
    return textOfCount(400, fragments);
}

rc::Gen<std::string> deadCodeRuleTexts() {
    return rc::gen::weightedOneOf<std::string>({{4, deadCodeTexts()}, {1, manyForHeaders()}});
}

RC_GTEST_PROP(DeadCodeRule, FindsWhatThePlainAlgorithmFinds, ()) {
    const std::string raw = *deadCodeRuleTexts();
    RC_ASSERT(describe(runRule(1028, raw)) == describe(plainDeadCode(raw)));
}

TEST(DeadCodeRule, GeneratedTextsReachForHeadersThatShareTheirSemicolons) {
    std::size_t reported = 0;
    Reach total;
    for (const std::string& raw : sampleOf(deadCodeRuleTexts(), 300)) {
        Reach reach;
        reported += plainDeadCode(raw, &reach).size();
        total.forHeaders += reach.forHeaders;
        total.sharedSemicolons += reach.sharedSemicolons;
    }
    EXPECT_GT(reported, 2000u);
    EXPECT_GT(total.forHeaders, 1000u);
    EXPECT_GT(total.sharedSemicolons, 2000u);
}

} // namespace
