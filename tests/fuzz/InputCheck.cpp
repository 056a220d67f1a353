#include "tests/fuzz/InputCheck.h"

#include "app/Analysis.h"
#include "app/FileAnalysis.h"
#include "exceptions/Exception.h"
#include "products/quarvel/rule/AllRules.h"
#include "products/quarvel/ruleconfig/DirectiveRuleDisableParser.h"
#include "products/quarvel/ruleconfig/RuleConfigException.h"
#include "products/quarvel/search/PatternSearch.h"
#include "util/AssertionReporter.h"
#include "util/parser/ArgumentParser.h"

#include <cstdint>
#include <string>
#include <vector>

namespace quarvel::testing {
namespace {

using namespace products::quarvel;

const rule::RuleRegistry& registry() {
    static const rule::AllRules rules;
    static const rule::RuleRegistry entries = rules.registry();
    return entries;
}

void parseArguments(const std::string& text) {
    std::vector<std::string> arguments;
    std::size_t start = 0;
    for (std::size_t zero = text.find('\0'); zero != std::string::npos;
         zero = text.find('\0', start)) {
        arguments.push_back(text.substr(start, zero - start));
        start = zero + 1;
    }
    arguments.push_back(text.substr(start));
    util::parser::ArgumentParser parser('-');
    parser.defineFlag("-files", 1, util::parser::ArgumentParser::kUnlimited, true);
    parser.defineFlag("-config", 1, 1, true);
    parser.defineFlag("-help", 0, 0, true);
    parser.defineFlag("-projects", 1, util::parser::ArgumentParser::kUnlimited, true);
    try {
        parser.parse(arguments);
    } catch (const exceptions::IllegalArgumentException&) {
    }
}

/// Every defect of every rule as "RULE:LINE message", searching through the anchors or at every
/// position.
std::vector<std::string> defectTexts(const std::string& text, bool everyPosition,
                                     bool& lineBelowOne) {
    const ruleconfig::DirectiveRuleDisableParser disableParser;
    std::vector<std::string> lines;
    search::Pattern::searchEveryPositionForTesting(everyPosition);
    /// Each defect as "RULE:LINE message".
    struct Lines : app::FileDefects {
        Lines(std::vector<std::string>& lines, bool& lineBelowOne)
            : lines(lines), lineBelowOne(lineBelowOne) {}
        void startRule(std::int32_t number) override { rule = number; }
        void onDefect(std::int32_t line, std::string_view message) override {
            lineBelowOne = lineBelowOne || line < 1;
            lines.push_back(std::to_string(rule) + ":" + std::to_string(line) + " " +
                            std::string(message));
        }
        void finishRule(double) override {}
        std::vector<std::string>& lines;
        bool& lineBelowOne;
        std::int32_t rule = 0;
    } collected(lines, lineBelowOne);
    try {
        app::checkSource(text, registry(), disableParser, {}, collected);
    } catch (const ruleconfig::RuleConfigException&) {
    }
    search::Pattern::searchEveryPositionForTesting(false);
    return lines;
}

} // namespace

std::string problemsWith(const std::string& input) {
    const std::size_t assertionsBefore = util::reportedAssertionCount();
    std::string problems;
    bool lineBelowOne = false;
    if (defectTexts(input, false, lineBelowOne) != defectTexts(input, true, lineBelowOne))
        problems += "searches through anchors and at every position disagree; ";
    if (lineBelowOne)
        problems += "a defect at a line below 1; ";
    try {
        const ruleconfig::DirectiveRuleDisableParser disableParser;
        disableParser.parse(input, ruleconfig::RuleDisableParser::kConfigurationMode);
    } catch (const ruleconfig::RuleConfigException&) {
    }
    if (input.size() < 4096)
        parseArguments(input);
    if (util::reportedAssertionCount() != assertionsBefore)
        problems += "a failed internal check (a rule's search gave up?); ";
    return problems;
}

} // namespace quarvel::testing
