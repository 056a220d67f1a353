#include "products/quarvel/search/MatchWithin.h"

#include "products/quarvel/search/SearchLoop.h"

#include <algorithm>

namespace products::quarvel::search {

std::size_t MatchWithin::FirstMatch::operator()(std::size_t start) const {
    const std::optional<Match> match = searchOnce(*pattern, *text, start);
    *end = match ? match->end() : kNoPosition;
    return match ? match->begin() : kNoPosition;
}

bool MatchWithin::found(std::size_t from, std::size_t to) {
    return firstMatch_.from(from) != kNoPosition && firstEnd_ <= std::min(to, text_.size());
}

} // namespace products::quarvel::search
