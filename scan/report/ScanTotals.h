#pragma once

#include "products/quarvel/rule/RuleCatalogue.h"
#include "products/quarvel/rule/RuleLevel.h"

#include <array>
#include <cstdint>
#include <map>

namespace scan::report {

/// What a scan counts, for its summaries.
struct ScanTotals {
    std::uint64_t filesAnalysed = 0;
    std::uint64_t filesFailed = 0;
    std::uint64_t filesIgnored = 0;     ///< left out by git's ignore rules (folders count once)
    std::uint64_t filesExcluded = 0;    ///< left out by include and exclude globs
    std::uint64_t filesOtherShards = 0; ///< left to the other shards
    std::uint64_t defectsFound = 0;     ///< every defect of the rules that are on
    std::uint64_t defectsReported = 0;  ///< those the comparisons leave (all without any)
    std::uint64_t inBaseline = 0;       ///< found and recorded in the baseline
    std::uint64_t baselineGone = 0;     ///< recorded in the baseline and no longer found
    std::uint64_t onOldLines = 0;       ///< found on lines not new since the revision
    bool comparedWithBaseline = false;
    bool comparedWithRevision = false;
    /// Reported defects by level and by rule number.
    std::array<std::uint64_t, 3> byLevel{};
    std::map<std::int32_t, std::uint64_t> byRule;
    /// The level each reported rule had (the last seen where paths differ).
    std::map<std::int32_t, products::quarvel::rule::Level> ruleLevels;

    void countReported(const products::quarvel::rule::RuleInfo& rule,
                       products::quarvel::rule::Level level) {
        ++defectsReported;
        ++byLevel[static_cast<std::size_t>(level)];
        ++byRule[rule.number];
        ruleLevels[rule.number] = level;
    }
};

} // namespace scan::report
