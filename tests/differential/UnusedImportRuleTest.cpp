// Rule 1000 finds its imports and the later uses of their names by hand, and looks names up
// in an index of words once its searches have scanned much more than the text. Here it is
// compared with the plain algorithm: the import pattern searched at every position, resumed
// at the end of the name, and for each import the pattern "[^\w]" + name + "[^\w]" searched
// from there.
#include "tests/support/Generators.h"
#include "tests/support/PlainSearch.h"
#include "tests/support/RuleHarness.h"
#include "util/parser/compiler/syntaxhighlighter/SourceViews.h"

#include <gtest/gtest.h>

#include <functional>
#include <rapidcheck/gtest.h>

namespace {

using namespace quarvel::testing;
using products::quarvel::rule::DefectList;
using products::quarvel::search::Span;

const Pattern kImportedName(R"(import\s+[^;]+\.([_\w]+);)");
const char kMessage[] = "Unused import statement.";

/// Each import the plain search finds, with where its name ends and whether the name is used
/// after it, in order.
void forEachPlainImport(const std::string& code,
                        const std::function<void(const Span& name, bool used)>& onImport) {
    plainForEachMatch(kImportedName, code, [&](const Match& m) -> Resume {
        const Span name = m.group(1);
        const Pattern use(R"([^\w])" + m.groupText(code, 1) + R"([^\w])");
        onImport(name, plainSearch(use, code, name.end).has_value());
        return name.end;
    });
}

DefectList plainUnusedImports(const std::string& raw) {
    const std::string code = util::parser::compiler::syntaxhighlighter::makeSourceViews(raw).code;
    DefectList defects;
    forEachPlainImport(code, [&](const Span& name, bool used) {
        if (!used)
            defects.push_back({"T.java", plainLineAt(code, name.end), kMessage});
    });
    return defects;
}

rc::Gen<std::string> importTexts() {
    return textOf({"import",
                   " ",
                   "\t",
                   "\n",
                   "\r\n",
                   ".",
                   ";",
                   "a",
                   "List",
                   "x",
                   "_",
                   "9",
                   "*",
                   "/*c*/",
                   "// c\n",
                   "static ",
                   "\"List\"",
                   "\xe9",
                   "import a.List;",
                   "import b.List;",
                   "List x;",
                   "Listx ",
                   "(List)",
                   "import a. List;",
                   "import .List;",
                   "import java.util.*;",
                   "import static a.B.max;",
                   "max(1);",
                   "import\ta.b\n.c;"});
}

/// Many imports of many names, some used among them, most only at the end or never: the
/// searches for unused names run to the end of the text, so they soon scan more than sixteen
/// times its size and the rest is answered from the word index.
rc::Gen<std::string> manyImportTexts() {
    std::vector<std::string> imports;
    std::vector<std::string> uses;
    for (int i = 0; i < 100; ++i) {
        const std::string name = "N" + std::to_string(i);
        imports.push_back((i % 3 == 0 ? "import  p." : "import p.q.") + name + ";\n");
        uses.push_back(name + " v" + std::to_string(i) + ";\n");
    }
    std::vector<std::string> body = imports;
    body.insert(body.end(), uses.begin(), uses.begin() + 20);
    body.insert(body.end(), {"/* N5 */", "\"N6\"", "xN7 ", "N8x ", "import p.N9", ";"});
    return concatenated(
        {textOfCount(120, body), textOf(uses), textOf({" ", "}", "\n", "N", "N1", "N42"})});
}

rc::Gen<std::string> unusedImportTexts() {
    return rc::gen::weightedOneOf<std::string>({{3, importTexts()}, {1, manyImportTexts()}});
}

RC_GTEST_PROP(UnusedImportRule, FindsWhatThePlainAlgorithmFinds, ()) {
    const std::string raw = *unusedImportTexts();
    RC_ASSERT(describe(runRule(1000, raw)) == describe(plainUnusedImports(raw)));
}

TEST(UnusedImportRule, GeneratedTextsReachTheWordIndexAndReportOften) {
    std::size_t reported = 0;
    std::size_t usedAfterIndexing = 0;
    std::size_t unusedAfterIndexing = 0;
    for (const std::string& raw : sampleOf(unusedImportTexts(), 300)) {
        const std::string code =
            util::parser::compiler::syntaxhighlighter::makeSourceViews(raw).code;
        // The bytes the searches for names scan: from each name to its use, or to the end.
        std::size_t scanned = 0;
        forEachPlainImport(code, [&](const Span& name, bool used) {
            if (scanned > 16 * code.size())
                ++(used ? usedAfterIndexing : unusedAfterIndexing);
            const Pattern use(R"([^\w])" + code.substr(name.begin, name.length()) + R"([^\w])");
            const auto found = plainSearch(use, code, name.end);
            scanned += found ? found->begin() + 1 - name.end : code.size() - name.end;
            reported += used ? 0 : 1;
        });
    }
    EXPECT_GT(reported, 1500u);
    EXPECT_GT(usedAfterIndexing, 1000u);
    EXPECT_GT(unusedAfterIndexing, 1000u);
}

} // namespace
