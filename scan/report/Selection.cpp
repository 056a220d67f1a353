#include "scan/report/Selection.h"

#include <algorithm>

namespace scan::report {

void Selection::offer(SelectedDefect defect) {
    ++offered_;
    std::vector<SelectedDefect>& kept = byLevel_[static_cast<std::size_t>(defect.level)];
    if (kept.size() < limit_)
        kept.push_back(std::move(defect));
}

std::vector<SelectedDefect> Selection::take() {
    std::vector<SelectedDefect> chosen;
    for (std::vector<SelectedDefect>& kept : byLevel_) {
        for (SelectedDefect& defect : kept) {
            if (chosen.size() >= limit_)
                break;
            chosen.push_back(std::move(defect));
        }
        kept.clear();
    }
    std::sort(chosen.begin(), chosen.end(),
              [](const SelectedDefect& a, const SelectedDefect& b) { return a.order < b.order; });
    chosen_ = chosen.size();
    return chosen;
}

} // namespace scan::report
