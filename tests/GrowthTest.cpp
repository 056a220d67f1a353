// Every rule on long texts made of its own fragments, at 64 KB and at 256 KB: a rule whose
// time grows much faster than the text (a search that runs on to the end of the text for
// every candidate, say) fails here. A text that grows suspiciously is timed again, and at
// 1 MB: caches and noise make small times jump once, a quadratic search keeps growing
// sixteen-fold. No search may give up on these texts either (the pattern engine stops a
// search that backtracks too long and the rule reports a failed internal check).
#include "products/quarvel/rule/AllRules.h"
#include "tests/growth/GrowthTexts.h"
#include "tests/growth/RuleTimer.h"
#include "util/AssertionReporter.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <sstream>

namespace {

using namespace quarvel::testing;

constexpr std::size_t kSmall = 64 * 1024;
constexpr std::size_t kLarge = 256 * 1024;
constexpr std::size_t kLargest = 1024 * 1024;
constexpr double kMostGrowth = 8;       // for four times the text; a quadratic search gives 16
constexpr double kNoiseSeconds = 0.005; // at 256 KB: below this, a jump tells nothing

class Growth : public testing::TestWithParam<std::int32_t> {};

TEST_P(Growth, TimeGrowsWithTheTextNotFaster) {
    std::ostringstream tooFast;
    std::ostringstream gaveUp;
    std::string current;
    util::divertFailedChecksOfThisThread(
        [&](const std::string&) { gaveUp << "  rule " << GetParam() << " " << current << "\n"; });
    int texts = 0;
    for (const GrowthText& text : growthTexts()) {
        if (text.rule != GetParam())
            continue;
        ++texts;
        current = text.name;
        const double small = ruleSeconds(text, kSmall);
        const double large = ruleSeconds(text, kLarge);
        if (large < kNoiseSeconds || large < kMostGrowth * small)
            continue;
        // Both steps again, each the least of a few runs: a quadratic search grows sixteen-fold
        // at each, while a jump from caches or noise does not come back.
        const double smallAgain = ruleSeconds(text, kSmall, 3);
        const double largeAgain = ruleSeconds(text, kLarge, 3);
        const double largest = ruleSeconds(text, kLargest, 2);
        if (largeAgain >= kMostGrowth * smallAgain && largest >= 4 * kNoiseSeconds &&
            largest >= kMostGrowth * largeAgain)
            tooFast << "  rule " << text.rule << " " << text.name << ": " << smallAgain
                    << " s at 64 KB, " << largeAgain << " s at 256 KB, " << largest
                    << " s at 1 MB\n";
    }
    util::divertFailedChecksOfThisThread(nullptr);
    EXPECT_GT(texts, 0);
    EXPECT_EQ(tooFast.str(), "") << "time grows faster than the text:\n" << tooFast.str();
    EXPECT_EQ(gaveUp.str(), "") << "a search gave up (a failed internal check):\n" << gaveUp.str();
}

std::vector<std::int32_t> rulesWithTexts() {
    std::set<std::int32_t> rules;
    for (const GrowthText& text : growthTexts())
        rules.insert(text.rule);
    return {rules.begin(), rules.end()};
}

// A rule without fragments would never be timed here.
TEST(GrowthTexts, EveryRuleHasFragments) {
    const std::vector<std::int32_t> timed = rulesWithTexts();
    const products::quarvel::rule::AllRules rules;
    for (const auto& [number, rule] : rules.registry())
        EXPECT_TRUE(std::count(timed.begin(), timed.end(), number) == 1)
            << "rule " << number << " has no fragments in tests/growth/GrowthTexts.cpp";
}

INSTANTIATE_TEST_SUITE_P(Rules, Growth, testing::ValuesIn(rulesWithTexts()),
                         [](const testing::TestParamInfo<std::int32_t>& info) {
                             return "r" + std::to_string(info.param);
                         });

} // namespace
