#include "products/quarvel/rule/RuleCatalogue.h"

#include "products/quarvel/rule/AllRules.h"
#include "util/parser/compiler/syntaxhighlighter/SourceViews.h"

#include <gtest/gtest.h>

#include <fstream>
#include <regex>
#include <set>
#include <sstream>
#include <string>
#include <typeinfo>
#include <vector>

using namespace products::quarvel::rule;
using util::parser::compiler::syntaxhighlighter::makeSourceViews;

namespace {

std::string readFile(const std::string& name) {
    std::ifstream in(name, std::ios::binary);
    EXPECT_TRUE(in) << name;
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

DefectList runRule(const Rule& rule, const std::string& raw) {
    DefectCollector defects("T.java");
    checkViews(rule, makeSourceViews(raw), defects);
    return defects.takeDefects();
}

struct Registered {
    AllRules rules;
    RuleRegistry registry = rules.registry();
};

TEST(RuleCatalogue, HoldsEveryRuleInAscendingNumber) {
    ASSERT_EQ(ruleCatalogue().size(), AllRules::kCount);
    std::int32_t expected = 1000;
    for (const RuleInfo& rule : ruleCatalogue()) {
        EXPECT_EQ(rule.number, expected++);
        EXPECT_EQ(findRule(rule.number), &rule);
    }
    EXPECT_EQ(findRule(999), nullptr);
    EXPECT_EQ(findRule(static_cast<std::int32_t>(1000 + AllRules::kCount)), nullptr);
    EXPECT_EQ(findRule(-1), nullptr);
}

TEST(RuleCatalogue, NamesAreTheRuleTypesNamesInUpperCamelCase) {
    const Registered registered;
    std::set<std::string_view> names;
    const std::regex upperCamelCase("[A-Z][A-Za-z0-9]*");
    for (const RuleInfo& info : ruleCatalogue()) {
        const Rule* rule = registered.registry.find(info.number);
        ASSERT_NE(rule, nullptr) << info.number;
        const std::string name(info.name);
        EXPECT_TRUE(std::regex_match(name, upperCamelCase)) << name;
        // The mangled name of a class holds its plain name.
        EXPECT_NE(std::string(typeid(*rule).name()).find(name + "Rule"), std::string::npos)
            << info.number << " " << name << " " << typeid(*rule).name();
        EXPECT_TRUE(names.insert(info.name).second) << name;
        EXPECT_FALSE(info.message.empty());
        EXPECT_FALSE(info.help.empty());
    }
}

// Every rule reports at least once on the all-rules sample; each message must be one the
// catalogue knows for that rule, and a fixed message must be the catalogue's.
TEST(RuleCatalogue, MessagesAreThoseTheRulesGive) {
    const Registered registered;
    const std::string raw = readFile(QUARVEL_SOURCE_DIR "/tests/cli/all-rules/AllRules.java");
    for (const RuleInfo& info : ruleCatalogue()) {
        const DefectList defects = runRule(*registered.registry.find(info.number), raw);
        EXPECT_FALSE(defects.empty()) << info.number;
        for (const Defect& defect : defects) {
            EXPECT_TRUE(givesMessage(info, defect.message)) << info.number << " " << defect.message;
            if (info.number != 1007 && info.number != 1024) {
                EXPECT_EQ(defect.message, info.message);
            }
        }
    }
}

TEST(RuleCatalogue, KnowsBothIndentationMessages) {
    const Registered registered;
    const RuleInfo& info = *findRule(1007);
    for (const std::string raw : {"class A {\n\tint a;\n\tint b;\n    int c;\n}\n",
                                  "class A {\n    int a;\n    int b;\n\tint c;\n}\n"}) {
        const DefectList defects = runRule(*registered.registry.find(1007), raw);
        ASSERT_EQ(defects.size(), 1u) << raw;
        EXPECT_TRUE(givesMessage(info, defects[0].message)) << defects[0].message;
    }
}

TEST(RuleCatalogue, KnowsTagMessagesForAnyWordName) {
    const Registered registered;
    const RuleInfo& info = *findRule(1024);
    const DefectList defects = runRule(*registered.registry.find(1024),
                                       "/**\n * @todo x\n * @x_9 y\n * @Z z\n */\nclass A {}\n");
    ASSERT_EQ(defects.size(), 3u);
    for (const Defect& defect : defects)
        EXPECT_TRUE(givesMessage(info, defect.message)) << defect.message;
    EXPECT_FALSE(givesMessage(info, "'' is an unknown javadoc tag."));
    EXPECT_FALSE(givesMessage(info, "'a b' is an unknown javadoc tag."));
    EXPECT_FALSE(givesMessage(info, "'a' is an unknown javadoc tag"));
    EXPECT_FALSE(givesMessage(info, "a' is an unknown javadoc tag."));
}

TEST(RuleCatalogue, FixedMessagesMatchExactly) {
    const RuleInfo& info = *findRule(1006);
    EXPECT_TRUE(givesMessage(info, "Empty catch block."));
    EXPECT_FALSE(givesMessage(info, "Empty catch block"));
    EXPECT_FALSE(givesMessage(info, "Empty catch block. "));
    EXPECT_FALSE(givesMessage(info, "Empty finally block."));
    EXPECT_FALSE(givesMessage(*findRule(1007), "Mixed indentation style."));
}

TEST(RuleLevel, NamesParseBackAndNothingElseParses) {
    for (const Level level : {Level::kError, Level::kWarning, Level::kNote})
        EXPECT_EQ(parseLevel(levelName(level)), level) << levelName(level);
    EXPECT_EQ(levelName(Level::kError), "error");
    EXPECT_EQ(levelName(Level::kWarning), "warning");
    EXPECT_EQ(levelName(Level::kNote), "note");
    for (const std::string_view name :
         {"", "off", "Error", "WARNING", " note", "note ", "warn", "notes", "err", "info"})
        EXPECT_EQ(parseLevel(name), std::nullopt) << "'" << name << "'";
}

/// The rows of the README's rule table: number, level column, message column, help column.
std::vector<std::vector<std::string>> readmeRuleRows() {
    std::istringstream readme(readFile(QUARVEL_SOURCE_DIR "/README.md"));
    const std::regex row(R"(\| (\d{4}) \| ([a-z]+) \| (.*) \| (.*) \|)");
    std::vector<std::vector<std::string>> rows;
    std::string line;
    bool inRules = false;
    while (std::getline(readme, line)) {
        if (line.rfind("## ", 0) == 0)
            inRules = line == "## The rules";
        std::smatch m;
        if (inRules && std::regex_match(line, m, row))
            rows.push_back({m[1], m[2], m[3], m[4]});
    }
    return rows;
}

TEST(RuleCatalogue, AgreesWithTheReadmesRuleTable) {
    const auto rows = readmeRuleRows();
    ASSERT_EQ(rows.size(), ruleCatalogue().size());
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const RuleInfo& info = ruleCatalogue()[i];
        EXPECT_EQ(rows[i][0], std::to_string(info.number));
        EXPECT_EQ(rows[i][1], levelName(info.level)) << info.number;
        EXPECT_EQ(rows[i][3], info.help) << info.number;
        // The message column quotes every message the rule gives, as code, joined by "or".
        const std::regex quotedMessage("`([^`]*)`");
        const std::string& column = rows[i][2];
        std::size_t quoted = 0;
        for (std::sregex_iterator m(column.begin(), column.end(), quotedMessage), end; m != end;
             ++m, ++quoted)
            EXPECT_TRUE(givesMessage(info, (*m)[1].str())) << info.number << ": " << column;
        EXPECT_GE(quoted, 1u) << info.number;
        if (info.number != 1007 && info.number != 1024) {
            EXPECT_EQ(column, "`" + std::string(info.message) + "`");
        }
    }
}

} // namespace
