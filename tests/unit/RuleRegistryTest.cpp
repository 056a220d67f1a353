#include "products/quarvel/rule/AllRules.h"

#include <gtest/gtest.h>

using namespace products::quarvel::rule;

namespace {

// Every rule under its own number, the numbers consecutive from 1000: a rule added with a
// number already taken, or with a gap, shows here.
TEST(RuleRegistry, HoldsEveryRuleUnderConsecutiveNumbersFrom1000) {
    const AllRules rules;
    const RuleRegistry registry = rules.registry();
    ASSERT_EQ(registry.size(), AllRules::kCount);
    std::int32_t expected = 1000;
    for (const auto& [number, rule] : registry) {
        EXPECT_EQ(number, expected++);
        EXPECT_NE(rule, nullptr);
    }
}

TEST(RuleRegistry, AddingANumberTwiceKeepsTheFirstRule) {
    Rule first;
    Rule second;
    RuleRegistry registry;
    registry.add(7, first);
    registry.add(7, second);
    EXPECT_EQ(registry.find(7), &first);
    EXPECT_EQ(registry.find(8), nullptr);
}

TEST(Rule, DefaultOperationsReportNothing) {
    const Rule rule;
    DefectCollector defects("A.java");
    rule.checkCode("", defects);
    rule.checkComments("/** x */", defects);
    rule.checkRaw("class A {}", defects);
    EXPECT_TRUE(defects.defects().empty());
}

} // namespace
