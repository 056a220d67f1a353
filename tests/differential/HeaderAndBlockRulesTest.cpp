// The rules that find a header by hand and then judge what follows it through the bracket
// index: rules 1006, 1021 and 1031 judge the block after the header by a second pattern that
// must cover it whole; rules 1016 and 1025 report a header whose parenthesis a lone
// semicolon follows. Each is compared with the plain algorithm of BlockRuleReference.h (the
// patterns tried at every position, the bracket scan, the whole-block test) on texts made of
// its own fragments, flat and deeply nested, and the texts are shown to reach the rule's
// bracket index.
#include "tests/differential/BlockRuleReference.h"
#include "tests/support/RuleHarness.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <ostream>
#include <rapidcheck/gtest.h>

namespace {

using namespace quarvel::testing;
using products::quarvel::rule::DefectList;

/// One rule: its plain algorithm, the fragments of its texts, and how much of 300 texts must
/// show that they reach its paths.
struct HeaderRule {
    std::int32_t number;
    std::function<DefectList(const std::string& raw, Reach* reach)> plain;
    std::vector<std::string> flat;                   // fragments of flat texts, blanks mixed in
    std::vector<std::string> opens, middles, closes; // of deeply nested texts
    std::size_t leastReported;
    std::size_t leastIndexed;
};

std::function<DefectList(const std::string&, Reach*)>
wholeBlocks(const char* header, const char* body, const char* message, ReportAt at) {
    return [header = std::make_shared<const Pattern>(header),
            body = std::make_shared<const Pattern>(body), message,
            at](const std::string& raw, Reach* reach) {
        return plainWholeBlocks(*header, *body, raw, message, at, reach);
    };
}

std::function<DefectList(const std::string&, Reach*)> emptyStatements(const char* header,
                                                                      const char* message) {
    return [header = std::make_shared<const Pattern>(header), message](const std::string& raw,
                                                                       Reach* reach) {
        return plainEmptyStatements(
            *header, raw, message, [](const std::string&, std::size_t) { return false; }, reach);
    };
}

const std::vector<HeaderRule>& headerRules() {
    static const std::vector<HeaderRule> rules = {
        {1006,
         wholeBlocks(R"(\}\s*catch\s*\(.*?\)\s*\{.)", R"([\s\{\}]*)", "Empty catch block.",
                     ReportAt::MatchEnd),
         {"} catch (E e) {", "}", "{", "catch", "(", ")", "x();", "catch(E e){}", ";", "}catch(",
          ") catch (E e) {}", "}\tcatch\v(", ")\f{", ") {", "try {", "E e",
          // Longer runs of blanks, and comments, around the header's words.
          "} \n\tcatch \r\n (", ")\r\n\t{", ") /* c */ {", "}// c\ncatch/**/("},
         {"try {} catch (E e) {", "{}catch(E e){\n", "{ } catch (E e)\t{", "{", "try {"},
         {"work(a, b);\n", "{}", " ", "\n", "} catch (F f) { }", "x", "(", ")",
          "/* a comment that the code view blanks */"},
         {"}", " }", "}\n", "} catch (G g) {}"},
         1000,
         100},
        {1021,
         wholeBlocks(R"(\}\s*finally\s*\{.)", R"([\s\{\}]*)", "Empty finally block.",
                     ReportAt::MatchEnd),
         {"} finally {", "}", "{", "finally", "x();", "finally{}", ";", "}finally{",
          "}\tfinally\v{", "\f{", "(", "try {", "finallyx", "}finally"},
         {"try {} finally {", "{}finally{\n", "{ } finally\t{", "{", "try {"},
         {"work(a, b);\n", "{}", " ", "\n", "} finally { }", "x", "\t",
          "/* a comment that the code view blanks */"},
         {"}", " }", "}\n", "} finally {}"},
         1200,
         100},
        {1031,
         wholeBlocks(R"(protected\s+void\s+finalize\s*(\s*)[^\{]*\{.)",
                     R"([\{\}\s]*super\s*\.\s*finalize\s*\(\s*\)\s*;[\{\}\s]*)",
                     "finalizer implements default behaviour.", ReportAt::MatchBegin),
         {"protected void finalize() {",
          "super.finalize();",
          "}",
          "{",
          "protected",
          "void",
          "finalize",
          "super",
          ".",
          "(",
          ")",
          ";",
          "protected\tvoid\vfinalize (\f) throws T {",
          "x();",
          "protected void finalizeAll() {",
          "super . finalize ( ) ;",
          "protected  void finalize()",
          "throws Throwable",
          "protected void finalize() { super.finalize(); }",
          "protected void finalize() {{super.finalize();}\n}"},
         {"protected void finalize() {", "{ super.finalize();",
          "protected void finalize() { super.finalize(); {", "{"},
         {"super.finalize();\n", "{}", " ", "\n", "work(a, b);", "\t",
          "/* a comment that the code view blanks */",
          "protected void finalize() throws Throwable {\n super.finalize();\n}"},
         {"}", " }", "}\n", "super.finalize(); }"},
         700,
         100},
        {1016,
         emptyStatements(R"([\s\{\}](if\s*\(.))", "if statement with empty body."),
         {" if (x);", "if", "(", ")", ";", "{", "}", " if (", "{if(", "}if (", "\tif\v(", "a(b)",
          "x", ";if (x);", " if ()", "if(f(x))", "ifx (", "\fif"},
         {" if (", "(", "{if(f(", "\nif ((", " if ()"},
         {"a, b", " ", "\n", "x", "g()", "\t", ";", "/* a comment that the code view blanks */",
          " if (x) ;"},
         {")", ");", ") ;", ")\n;", "))", ") {}"},
         1000,
         80},
        {1025,
         emptyStatements(R"(\s(for\s*\(.))", "for statement with empty body."),
         {" for (;;);", "for", "(", ")", ";", "{", "}", " for (", "{for(", "\tfor\v(", "a(b)", "x",
          " for ()", "for(f(x))", "forx (", "\ffor", "(for (", " for(int i : xs)"},
         {" for (", "(", "\tfor(f(", "\nfor ((", " for ()"},
         {"a; b", " ", "\n", "x", "g()", "\t", ";", "/* a comment that the code view blanks */",
          " for (;;) ;"},
         {")", ");", ") ;", ")\n;", "))", ") {}"},
         1000,
         80},
    };
    return rules;
}

rc::Gen<std::string> textsOf(const HeaderRule& rule) {
    return rc::gen::oneOf(textOf(withBlanks(rule.flat)),
                          deeplyNested(rule.opens, rule.middles, rule.closes));
}

void PrintTo(const HeaderRule& rule, std::ostream* out) {
    *out << "rule " << rule.number;
}

class HeaderAndBlockRule : public testing::TestWithParam<HeaderRule> {};

TEST_P(HeaderAndBlockRule, FindsWhatThePlainAlgorithmFinds) {
    const HeaderRule& rule = GetParam();
    EXPECT_TRUE(rc::check([&] {
        const std::string raw = *textsOf(rule);
        RC_ASSERT(describe(runRule(rule.number, raw)) == describe(rule.plain(raw, nullptr)));
    }));
}

TEST_P(HeaderAndBlockRule, GeneratedTextsReportAndReachTheBracketIndex) {
    const HeaderRule& rule = GetParam();
    std::size_t reported = 0;
    std::size_t indexed = 0;
    for (const std::string& raw : sampleOf(textsOf(rule), 300)) {
        Reach reach;
        reported += rule.plain(raw, &reach).size();
        indexed += reach.indexedAnswers > 1 ? 1 : 0;
    }
    EXPECT_GT(reported, rule.leastReported);
    EXPECT_GT(indexed, rule.leastIndexed);
}

INSTANTIATE_TEST_SUITE_P(Rules, HeaderAndBlockRule, testing::ValuesIn(headerRules()),
                         [](const testing::TestParamInfo<HeaderRule>& info) {
                             return "r" + std::to_string(info.param.number);
                         });

} // namespace
