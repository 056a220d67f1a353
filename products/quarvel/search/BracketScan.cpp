#include "products/quarvel/search/BracketScan.h"

#include "products/quarvel/search/SharedScans.h"
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

BracketIndex::BracketIndex(const std::string& text, char open, char close)
    : text_(text), open_(open), close_(close),
      levels_(SharedScans::bracketLevelsIn(text, open, close)) {}

std::optional<std::size_t> BracketIndex::matchingClose(std::size_t start) {
    if (levels_)
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
    auto built = std::make_shared<BracketLevels>();
    BracketLevels& index = *built;
    std::vector<std::ptrdiff_t> levels; // the depth after each close, in text order
    std::ptrdiff_t depth = 0;
    forEachByteOf(text_, open_, close_, 0, text_.size(), [&](std::size_t at) {
        if (text_[at] == open_) {
            ++depth;
        } else {
            --depth;
            index.closes.push_back(at);
            levels.push_back(depth);
        }
        index.brackets.push_back(at);
        index.depthAfter.push_back(depth);
        return true;
    });

    // A counting sort by level keeps the closes of each level in increasing position.
    if (!levels.empty()) {
        const auto [lowest, highest] = std::minmax_element(levels.begin(), levels.end());
        index.lowestLevel = *lowest;
        index.levelBegin.assign(static_cast<std::size_t>(*highest - index.lowestLevel) + 2, 0);
    }
    for (const std::ptrdiff_t level : levels)
        ++index.levelBegin[static_cast<std::size_t>(level - index.lowestLevel) + 1];
    for (std::size_t k = 1; k < index.levelBegin.size(); ++k)
        index.levelBegin[k] += index.levelBegin[k - 1];
    std::vector<std::size_t> sorted(index.closes.size());
    std::vector<std::size_t> next(index.levelBegin);
    for (std::size_t c = 0; c < index.closes.size(); ++c)
        sorted[next[static_cast<std::size_t>(levels[c] - index.lowestLevel)]++] = index.closes[c];
    index.closes = std::move(sorted);
    levels_ = std::move(built);
    SharedScans::keepBracketLevels(text_, open_, close_, levels_);
}

std::ptrdiff_t BracketIndex::depthAt(std::size_t position) const {
    const std::vector<std::size_t>& brackets = levels_->brackets;
    const auto before = std::lower_bound(brackets.begin(), brackets.end(), position);
    return before == brackets.begin()
               ? 0
               : levels_->depthAfter[static_cast<std::size_t>(before - brackets.begin() - 1)];
}

// The answer is the first close at or after the start that brings the depth one below the
// depth at the start: the depth moves by one per character, so no earlier close can.
std::optional<std::size_t> BracketIndex::indexedClose(std::size_t start) const {
    const BracketLevels& index = *levels_;
    if (start >= text_.size() || index.levelBegin.empty())
        return std::nullopt;
    const std::ptrdiff_t target = depthAt(start) - 1;
    if (target < index.lowestLevel ||
        target - index.lowestLevel + 1 >= static_cast<std::ptrdiff_t>(index.levelBegin.size()))
        return std::nullopt;
    const std::size_t k = static_cast<std::size_t>(target - index.lowestLevel);
    const auto first = index.closes.begin() + static_cast<std::ptrdiff_t>(index.levelBegin[k]);
    const auto last = index.closes.begin() + static_cast<std::ptrdiff_t>(index.levelBegin[k + 1]);
    const auto found = std::lower_bound(first, last, start);
    if (found == last)
        return std::nullopt;
    return *found;
}

} // namespace products::quarvel::search
