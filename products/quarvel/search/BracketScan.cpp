#include "products/quarvel/search/BracketScan.h"

#include "util/ByteScan.h"

#include <algorithm>

namespace products::quarvel::search {

using util::forEachByteOf;

namespace {
/// The close that brings the depth from 1 at `start` to 0, looked for in [start, end).
std::optional<std::size_t> scanForClose(const std::string& text, std::size_t start, std::size_t end,
                                        char open, char close) {
    std::size_t depth = 1;
    std::optional<std::size_t> found;
    forEachByteOf(text, open, close, start, end, [&](std::size_t at) {
        if (text[at] == open) {
            ++depth;
        } else if (--depth == 0) {
            found = at;
            return false;
        }
        return true;
    });
    return found;
}
} // namespace

std::optional<std::size_t> findMatchingClose(const std::string& text, std::size_t start, char open,
                                             char close) {
    return scanForClose(text, start, text.size(), open, close);
}

std::optional<std::size_t> BracketIndex::matchingClose(std::size_t start) {
    if (built_)
        return indexedClose(start);
    const std::size_t size = text_.size();
    if (start >= size)
        return std::nullopt;
    const std::size_t budget = size + kScanAllowance - scanned_;
    const std::size_t scanEnd = start + std::min(budget, size - start);
    if (const auto close = scanForClose(text_, start, scanEnd, open_, close_)) {
        scanned_ += *close + 1 - start;
        return close;
    }
    scanned_ += scanEnd - start;
    if (scanEnd == size)
        return std::nullopt;
    build();
    return indexedClose(start);
}

void BracketIndex::build() {
    std::vector<std::ptrdiff_t> levels; // the depth after each close, in text order
    std::ptrdiff_t depth = 0;
    forEachByteOf(text_, open_, close_, 0, text_.size(), [&](std::size_t at) {
        if (text_[at] == open_) {
            ++depth;
        } else {
            --depth;
            closes_.push_back(at);
            levels.push_back(depth);
        }
        brackets_.push_back(at);
        depthAfter_.push_back(depth);
        return true;
    });

    // A counting sort by level keeps the closes of each level in increasing position.
    if (!levels.empty()) {
        const auto [lowest, highest] = std::minmax_element(levels.begin(), levels.end());
        lowestLevel_ = *lowest;
        levelBegin_.assign(static_cast<std::size_t>(*highest - lowestLevel_) + 2, 0);
    }
    for (const std::ptrdiff_t level : levels)
        ++levelBegin_[static_cast<std::size_t>(level - lowestLevel_) + 1];
    for (std::size_t k = 1; k < levelBegin_.size(); ++k)
        levelBegin_[k] += levelBegin_[k - 1];
    std::vector<std::size_t> sorted(closes_.size());
    std::vector<std::size_t> next(levelBegin_);
    for (std::size_t c = 0; c < closes_.size(); ++c)
        sorted[next[static_cast<std::size_t>(levels[c] - lowestLevel_)]++] = closes_[c];
    closes_ = std::move(sorted);
    built_ = true;
}

std::ptrdiff_t BracketIndex::depthAt(std::size_t position) const {
    const auto before = std::lower_bound(brackets_.begin(), brackets_.end(), position);
    return before == brackets_.begin()
               ? 0
               : depthAfter_[static_cast<std::size_t>(before - brackets_.begin() - 1)];
}

// The answer is the first close at or after the start that brings the depth one below the
// depth at the start: the depth moves by one per character, so no earlier close can.
std::optional<std::size_t> BracketIndex::indexedClose(std::size_t start) const {
    if (start >= text_.size() || levelBegin_.empty())
        return std::nullopt;
    const std::ptrdiff_t target = depthAt(start) - 1;
    if (target < lowestLevel_ ||
        target - lowestLevel_ + 1 >= static_cast<std::ptrdiff_t>(levelBegin_.size()))
        return std::nullopt;
    const std::size_t k = static_cast<std::size_t>(target - lowestLevel_);
    const auto first = closes_.begin() + static_cast<std::ptrdiff_t>(levelBegin_[k]);
    const auto last = closes_.begin() + static_cast<std::ptrdiff_t>(levelBegin_[k + 1]);
    const auto found = std::lower_bound(first, last, start);
    if (found == last)
        return std::nullopt;
    return *found;
}

} // namespace products::quarvel::search
