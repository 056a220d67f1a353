#include "products/quarvel/ruleconfig/DirectiveRuleDisableParser.h"
#include "products/quarvel/ruleconfig/RuleConfigException.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using products::quarvel::ruleconfig::DirectiveRuleDisableParser;
using products::quarvel::ruleconfig::RuleConfigException;
using products::quarvel::ruleconfig::RuleDisableParser;

namespace {

using Numbers = std::vector<std::int32_t>;

struct FoundCase {
    const char* what;
    std::string text;
    Numbers numbers;
};

void expectFound(int mode, const std::vector<FoundCase>& cases) {
    const DirectiveRuleDisableParser parser;
    for (const FoundCase& c : cases)
        EXPECT_EQ(parser.parse(c.text, mode), c.numbers) << c.what;
}

/// The message of the RuleConfigException that the text raises.
std::string failureOf(const std::string& text, int mode) {
    try {
        DirectiveRuleDisableParser().parse(text, mode);
    } catch (const RuleConfigException& e) {
        return e.getMessage();
    }
    return "(no failure)";
}

const int kConfig = RuleDisableParser::kConfigurationMode;
const int kSource = RuleDisableParser::kSourceMode;

const std::string kNotAnInteger =
    "Could not convert the string describing the warning to an integer. Line: ";

TEST(RuleDisableParser, ConfigurationFileDirectives) {
    expectFound(kConfig,
                {
                    {"empty text", "", {}},
                    {"two lines", "disable(1005)\ndisable(1020)\n", {1005, 1020}},
                    {"duplicates stay", "disable(1005)\ndisable(1005)", {1005, 1005}},
                    {"in a line comment", "// disable(1005)\n", {}},
                    {"in a block comment", "/* disable(1005) */\n", {}},
                    {"in a string literal", "\"disable(1005)\"\n", {}},
                    {"two on one line: the first counts", "disable(1005) disable(1006)", {1005}},
                    {"parenthesis on the next line", "disable(1005\n)", {}},
                    {"no parenthesis at all", "disable(1005", {}},
                    {"a parenthesis before it does not close it", "f(x) disable(1005", {}},
                    {"text around the directive", "x = disable(1005); // why", {1005}},
                    {"CR LF and blank lines",
                     "\r\n\r\ndisable(1005)\r\n\r\n\n disable(1006)",
                     {1005, 1006}},
                    {"bare carriage returns separate lines", "disable(1)\rdisable(2)", {1, 2}},
                    {"the source form also holds the word", "quarvel disable(1006)", {1006}},
                });
}

TEST(RuleDisableParser, SourceDirectivesCountOnlyInComments) {
    expectFound(
        kSource,
        {
            {"line comment", "// quarvel disable(1006)\nclass A {}", {1006}},
            {"block comment", "/* quarvel disable(1006) */", {1006}},
            {"documentation comment line", "/**\n * quarvel disable(1006)\n */", {1006}},
            {"in code", "quarvel disable(1006);", {}},
            {"in a string literal", "s = \"// quarvel disable(1006)\";", {}},
            {"capital letter", "// Quarvel disable(1006)", {}},
            {"two spaces", "// quarvel  disable(1006)", {}},
            {"configuration form", "// disable(1006)", {}},
            {"two on one line: the first counts",
             "// quarvel disable(1006) quarvel disable(1007)",
             {1006}},
            {"parenthesis on the next comment line", "// quarvel disable(1006\n// )", {}},
            {"parenthesis after the comment, in code", "/* quarvel disable(1006 */ f(x);", {}},
            {"a parenthesis before it does not close it", "// (see below) quarvel disable(1006",
             {}},
            {"CR LF and blank lines",
             "// quarvel disable(1006)\r\n\r\n\r\n// quarvel disable(1007)\r\n",
             {1006, 1007}},
        });
    expectFound(2, {{"any mode but 1 reads a source", "// quarvel disable(1006)", {1006}}});
}

TEST(RuleDisableParser, NumberTexts) {
    expectFound(kConfig,
                {
                    {"zero", "disable(0)", {0}},
                    {"spaces around", "disable( 1005 )", {1005}},
                    {"plus sign", "disable(+7)", {7}},
                    {"a list: only the first number", "disable(1005,1006)", {1005}},
                    {"digits then other text", "disable(12ab)", {12}},
                    {"no such rule", "disable(99999)", {99999}},
                    {"largest 32-bit value", "disable(2147483647)", {2147483647}},
                    {"too large: clamped, not wrapped", "disable(4294968302)", {2147483647}},
                    {"far too large", "disable(99999999999999999999999)", {2147483647}},
                });
}

TEST(RuleDisableParser, BadNumbersNameTheLineOfTheDirective) {
    struct FailureCase {
        const char* what;
        std::string text;
        int mode;
        std::string message;
    };
    const std::vector<FailureCase> cases = {
        {"empty parentheses", "disable()", kConfig,
         kNotAnInteger +
             "1. Detailed information: The empty string cannot be parsed into an integer"},
        {"00", "disable(00)", kConfig,
         kNotAnInteger + "1. Detailed information: Error parsing the string [00] to an integer"},
        {"abc", "disable(abc)", kConfig,
         kNotAnInteger + "1. Detailed information: Error parsing the string [abc] to an integer"},
        {"-0", "disable(-0)", kConfig,
         kNotAnInteger + "1. Detailed information: Error parsing the string [-0] to an integer"},
        {"a space", "disable( )", kConfig,
         kNotAnInteger + "1. Detailed information: Error parsing the string [ ] to an integer"},
        {"negative", "disable(-5)", kConfig, "Negative warnings no allowed. Line: 1."},
        {"too small: clamped, still negative", "disable(-4294967296)", kConfig,
         "Negative warnings no allowed. Line: 1."},
        {"after blank lines, comments and good directives",
         "// rules we do not want\n\ndisable(1005)\r\n\r\n/* more */\ndisable(-1006)\n", kConfig,
         "Negative warnings no allowed. Line: 6."},
        {"a bare carriage return does not start a line", "disable(1)\rdisable()", kConfig,
         kNotAnInteger +
             "1. Detailed information: The empty string cannot be parsed into an integer"},
        {"documentation comment of a source", "package p;\n\n/**\n * quarvel disable(x)\n */",
         kSource,
         kNotAnInteger + "4. Detailed information: Error parsing the string [x] to an integer"},
        {"source after CR LF lines", "package p;\r\n\r\n// quarvel disable()\r\n", kSource,
         kNotAnInteger +
             "3. Detailed information: The empty string cannot be parsed into an integer"},
        {"negative in a source", "class A {\n}\n\n\n// quarvel disable(-1006)", kSource,
         "Negative warnings no allowed. Line: 5."},
        {"the first bad directive ends the parse", "disable(-1)\ndisable(abc)", kConfig,
         "Negative warnings no allowed. Line: 1."},
    };
    for (const FailureCase& c : cases)
        EXPECT_EQ(failureOf(c.text, c.mode), c.message) << c.what;
}

TEST(RuleDisableParser, DirectivesThatAreNotReadCannotFail) {
    expectFound(kConfig,
                {{"bad number in a comment", "// disable(-5)\n/* disable() */\ndisable(1)", {1}},
                 {"bad number without its parenthesis", "disable(-5\n)", {}}});
    expectFound(kSource, {{"bad number in code", "int x = disable(-5);", {}},
                          {"bad number in a string", "s = \"// quarvel disable()\";", {}}});
}

} // namespace
