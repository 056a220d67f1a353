// Rule 1033 goes from one "finalize();" to the next and looks back for a qualifier by hand
// instead of running its pattern; here it is compared with the plain algorithm: the stored
// pattern searched at every position, resumed at the end of each match.
#include "tests/support/Generators.h"
#include "tests/support/PlainSearch.h"
#include "tests/support/RuleHarness.h"
#include "util/parser/compiler/syntaxhighlighter/SourceViews.h"

#include <gtest/gtest.h>

#include <rapidcheck/gtest.h>

namespace {

using namespace quarvel::testing;
using products::quarvel::rule::DefectList;

const Pattern kFinalizeCall(R"((\w+)\.finalize\(\);|()finalize\(\);)");

DefectList plainFinalizerCalls(const std::string& raw) {
    const std::string code = util::parser::compiler::syntaxhighlighter::makeSourceViews(raw).code;
    DefectList defects;
    plainForEachMatch(kFinalizeCall, code, [&](const Match& m) -> Resume {
        if (m.groupText(code, 1) != "super")
            defects.push_back({"T.java", plainLineAt(code, m.begin()), "Explicit finalizer call."});
        return m.end();
    });
    return defects;
}

rc::Gen<std::string> finalizerTexts() {
    return textOf({"finalize();",
                   ".",
                   "super",
                   "x",
                   " ",
                   "\n",
                   "_",
                   "9",
                   "(",
                   ")",
                   ";",
                   ".finalize();",
                   "super.finalize();",
                   "this.finalize();",
                   "obj.finalize( );",
                   "finalize",
                   "\xe9",
                   "/*c*/",
                   "// c\n",
                   "\"finalize();\"",
                   "super . finalize();",
                   "xsuper.finalize();",
                   "supe",
                   "r",
                   "\t",
                   "\r\n",
                   "Super",
                   "super finalize();"});
}

RC_GTEST_PROP(ExplicitFinalizerCallRule, FindsWhatThePlainAlgorithmFinds, ()) {
    const std::string raw = *finalizerTexts();
    RC_ASSERT(describe(runRule(1033, raw)) == describe(plainFinalizerCalls(raw)));
}

TEST(ExplicitFinalizerCallRule, GeneratedTextsReachEveryKindOfCall) {
    std::size_t qualified = 0;
    std::size_t unqualified = 0;
    std::size_t bySuper = 0;
    std::size_t reported = 0;
    for (const std::string& raw : sampleOf(finalizerTexts(), 300)) {
        const std::string code =
            util::parser::compiler::syntaxhighlighter::makeSourceViews(raw).code;
        plainForEachMatch(kFinalizeCall, code, [&](const Match& m) -> Resume {
            ++(m.group(1).matched() ? qualified : unqualified);
            bySuper += m.groupText(code, 1) == "super" ? 1 : 0;
            return m.end();
        });
        reported += plainFinalizerCalls(raw).size();
    }
    EXPECT_GT(qualified, 400u);
    EXPECT_GT(unqualified, 400u);
    EXPECT_GT(bySuper, 100u);
    EXPECT_GT(reported, 700u);
}

} // namespace
