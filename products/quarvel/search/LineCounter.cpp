#include "products/quarvel/search/LineCounter.h"

#include "util/ByteScan.h"

#include <algorithm>

namespace products::quarvel::search {

using util::countByte;
using util::forEachByteOf;

std::int32_t LineCounter::lineAt(std::size_t position) {
    position = std::min(position, text_.size());
    if (position < position_ && !indexed_) {
        forEachByteOf(text_, '\n', '\n', 0, text_.size(), [&](std::size_t at) {
            lineFeeds_.push_back(at);
            return true;
        });
        indexed_ = true;
    }
    if (indexed_) {
        const auto before = std::lower_bound(lineFeeds_.begin(), lineFeeds_.end(), position);
        return static_cast<std::int32_t>(before - lineFeeds_.begin()) + 1;
    }
    line_ += static_cast<std::int32_t>(countByte(text_, '\n', position_, position));
    position_ = position;
    return line_;
}

} // namespace products::quarvel::search
