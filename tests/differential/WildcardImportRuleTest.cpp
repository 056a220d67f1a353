// Rule 1002 finds its imports by hand, taking the first ';' after each "import"; here it is
// compared with the plain algorithm: the stored pattern searched at every position, resumed
// at the end of each match.
#include "tests/support/Generators.h"
#include "tests/support/PlainSearch.h"
#include "tests/support/RuleHarness.h"
#include "util/parser/compiler/syntaxhighlighter/SourceViews.h"

#include <gtest/gtest.h>

#include <rapidcheck/gtest.h>

namespace {

using namespace quarvel::testing;
using products::quarvel::rule::DefectList;

const Pattern kWildcardImport(R"(import\s*[^;]+\*;)");

DefectList plainWildcardImports(const std::string& raw) {
    const std::string code = util::parser::compiler::syntaxhighlighter::makeSourceViews(raw).code;
    DefectList defects;
    plainForEachMatch(kWildcardImport, code, [&](const Match& m) -> Resume {
        defects.push_back({"T.java", plainLineAt(code, m.begin()), "Wildcard import declaration."});
        return m.end();
    });
    return defects;
}

rc::Gen<std::string> wildcardTexts() {
    return textOf({"import",
                   "*",
                   ";",
                   " ",
                   "\t",
                   "\n",
                   "\r\n",
                   ".",
                   "a",
                   "*;",
                   "import*;",
                   "import a.*;",
                   "import static a.B.*;",
                   "import a.B;",
                   "/*c*/",
                   "// c\n",
                   "\"*;\"",
                   "x",
                   "importa.*;",
                   "import\n*\n;",
                   "{",
                   "(",
                   "\xe9"});
}

RC_GTEST_PROP(WildcardImportRule, FindsWhatThePlainAlgorithmFinds, ()) {
    const std::string raw = *wildcardTexts();
    RC_ASSERT(describe(runRule(1002, raw)) == describe(plainWildcardImports(raw)));
}

TEST(WildcardImportRule, GeneratedTextsReportOftenAndShareSemicolons) {
    std::size_t reported = 0;
    std::size_t sharedSemicolon = 0; // a later "import" before the ';' that ended a match
    for (const std::string& raw : sampleOf(wildcardTexts(), 300)) {
        const std::string code =
            util::parser::compiler::syntaxhighlighter::makeSourceViews(raw).code;
        const DefectList defects = plainWildcardImports(raw);
        reported += defects.size();
        for (std::size_t at = code.find("import"); at != std::string::npos;
             at = code.find("import", at + 1)) {
            const std::size_t semicolon = code.find(';', at + 6);
            const std::size_t next = code.find("import", at + 1);
            sharedSemicolon += semicolon != std::string::npos && next < semicolon ? 1 : 0;
        }
    }
    EXPECT_GT(reported, 400u);
    EXPECT_GT(sharedSemicolon, 100u);
}

} // namespace
