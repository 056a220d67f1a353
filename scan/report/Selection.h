#pragma once

#include "products/quarvel/rule/RuleCatalogue.h"
#include "products/quarvel/rule/RuleLevel.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace scan::report {

/// A defect kept for a report that takes a limited number.
struct SelectedDefect {
    std::uint64_t order = 0; ///< place among all reported defects
    std::size_t file = 0;    ///< index into the run's file names
    std::int32_t line = 0;
    const products::quarvel::rule::RuleInfo* rule = nullptr;
    std::string message;
    products::quarvel::rule::Level level = products::quarvel::rule::Level::kWarning;
    std::string fingerprint;
};

/// Chooses at most `limit` of the defects offered, the most severe first and, among equals,
/// those offered first; keeps no more than `limit` of each level meanwhile, so memory stays
/// bounded however many are offered.
class Selection {
  public:
    explicit Selection(std::uint64_t limit) : limit_(limit) {}
    void offer(SelectedDefect defect);
    /// The chosen defects in the order they were offered.
    std::vector<SelectedDefect> take();
    /// How many were offered and not chosen (valid after take()).
    std::uint64_t leftOut() const { return offered_ - chosen_; }

  private:
    std::uint64_t limit_;
    std::uint64_t offered_ = 0;
    std::uint64_t chosen_ = 0;
    std::array<std::vector<SelectedDefect>, 3> byLevel_; ///< error, warning, note
};

} // namespace scan::report
