// A report that takes a limited number of defects holds the most severe first, and among
// equals those found first, in the order found; keeping at most the limit of each level
// meanwhile must choose what sorting them all would.
#include "scan/report/Selection.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <rapidcheck/gtest.h>

namespace {

using products::quarvel::rule::Level;
using scan::report::SelectedDefect;

/// The plain choice: every defect sorted by level, then order; the first `limit`, back in
/// their order.
std::vector<std::uint64_t> plainChoice(const std::vector<Level>& levels, std::uint64_t limit) {
    std::vector<std::uint64_t> orders(levels.size());
    for (std::size_t i = 0; i < orders.size(); ++i)
        orders[i] = i;
    std::stable_sort(orders.begin(), orders.end(), [&](std::uint64_t a, std::uint64_t b) {
        return static_cast<int>(levels[a]) < static_cast<int>(levels[b]);
    });
    orders.resize(std::min<std::size_t>(orders.size(), limit));
    std::sort(orders.begin(), orders.end());
    return orders;
}

RC_GTEST_PROP(Selection, ChoosesWhatSortingEverythingWould, ()) {
    const auto levels = *rc::gen::container<std::vector<Level>>(
        rc::gen::element(Level::kError, Level::kWarning, Level::kNote));
    const auto limit = *rc::gen::inRange<std::uint64_t>(0, 40);
    scan::report::Selection selection(limit);
    for (std::size_t i = 0; i < levels.size(); ++i) {
        SelectedDefect defect;
        defect.order = i;
        defect.level = levels[i];
        selection.offer(defect);
    }
    std::vector<std::uint64_t> chosen;
    for (const SelectedDefect& defect : selection.take())
        chosen.push_back(defect.order);
    RC_ASSERT(chosen == plainChoice(levels, limit));
    RC_ASSERT(selection.leftOut() == levels.size() - chosen.size());
}

} // namespace
