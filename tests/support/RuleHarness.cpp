#include "tests/support/RuleHarness.h"

#include "products/quarvel/rule/AllRules.h"
#include "products/quarvel/search/SharedScans.h"
#include "util/parser/compiler/syntaxhighlighter/SourceViews.h"

#include <stdexcept>

namespace quarvel::testing {

using products::quarvel::rule::AllRules;
using products::quarvel::rule::Defect;
using products::quarvel::rule::DefectList;
using products::quarvel::rule::Rule;
using products::quarvel::rule::RuleRegistry;

const Rule& ruleNumbered(std::int32_t number) {
    static const AllRules rules;
    static const RuleRegistry registry = rules.registry();
    const Rule* rule = registry.find(number);
    if (!rule)
        throw std::invalid_argument("no rule " + std::to_string(number));
    return *rule;
}

DefectList runRule(std::int32_t number, const std::string& raw, const std::string& fileName) {
    const auto views = util::parser::compiler::syntaxhighlighter::makeSourceViews(raw);
    const products::quarvel::search::SharedScans shared({&views.code});
    products::quarvel::rule::DefectCollector defects(fileName);
    checkViews(ruleNumbered(number), views, defects);
    return defects.takeDefects();
}

std::vector<std::string> describe(const DefectList& defects) {
    std::vector<std::string> lines;
    for (const Defect& defect : defects)
        lines.push_back(std::to_string(defect.line) + " " + defect.message);
    return lines;
}

} // namespace quarvel::testing
