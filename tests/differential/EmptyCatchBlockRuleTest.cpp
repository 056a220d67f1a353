// Rule 1006 finds its catch headers by hand instead of running its pattern; here it is
// compared with the plain algorithm: the pattern searched at every position, the bracket scan
// and the whole-block test, on texts made of the pattern's own tokens.
#include "tests/support/Generators.h"
#include "tests/support/PlainSearch.h"
#include "tests/support/RuleHarness.h"
#include "util/parser/compiler/syntaxhighlighter/SourceViews.h"

#include <gtest/gtest.h>

#include <rapidcheck/gtest.h>

namespace {

using namespace quarvel::testing;
using products::quarvel::rule::DefectList;

const Pattern kCatchBlock(R"(\}\s*catch\s*\(.*?\)\s*\{.)");
const Pattern kOnlyBlanks(R"([\s\{\}]*)");

DefectList plainEmptyCatches(const std::string& raw) {
    const std::string code = util::parser::compiler::syntaxhighlighter::makeSourceViews(raw).code;
    DefectList defects;
    plainForEachMatch(kCatchBlock, code, [&](const Match& m) -> Resume {
        const std::size_t bodyStart = m.end() - 1;
        const auto close = plainMatchingClose(code, bodyStart, '{', '}');
        if (close && plainWholeBlock(kOnlyBlanks, code, bodyStart, *close))
            defects.push_back({"T.java", plainLineAt(code, m.end()), "Empty catch block."});
        return m.end();
    });
    return defects;
}

rc::Gen<std::string> catchTexts() {
    return textOf({"} catch (E e) {", "}", "{", " ", "catch", "(", ")", "\t", "\n", "x();", "\r",
                   "\v", "\f", "/*c*/", "// c\n", "\"}\"", "'{'", "catch(E e){}", ";"});
}

RC_GTEST_PROP(EmptyCatchBlockRule, FindsWhatThePlainAlgorithmFinds, ()) {
    const std::string raw = *catchTexts();
    RC_ASSERT(describe(runRule(1006, raw)) == describe(plainEmptyCatches(raw)));
}

TEST(EmptyCatchBlockRule, GeneratedTextsReportCatchesOften) {
    std::size_t reported = 0;
    for (const std::string& raw : sampleOf(catchTexts(), 300))
        reported += plainEmptyCatches(raw).size();
    EXPECT_GT(reported, 100u);
}

} // namespace
