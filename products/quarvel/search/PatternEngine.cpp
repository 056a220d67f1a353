#include "products/quarvel/search/PatternEngine.h"

namespace products::quarvel::search {

std::vector<Span> spansOf(const boost::cmatch& found, const char* base) {
    std::vector<Span> spans(found.size());
    for (std::size_t i = 0; i < found.size(); ++i) {
        if (found[i].matched)
            spans[i] = Span{static_cast<std::size_t>(found[i].first - base),
                            static_cast<std::size_t>(found[i].second - base)};
    }
    return spans;
}

boost::match_flag_type flagsAt(std::size_t position, std::size_t rangeStart, bool resumed) {
    // \A holds only at the start of a range that a search starts.
    if (resumed || position != rangeStart)
        return boost::match_prev_avail | boost::match_not_bob;
    return boost::match_default;
}

bool runEngine(const char* first, const char* last, boost::cmatch& found, const Pattern& pattern,
               boost::match_flag_type flags) {
    try {
        return boost::regex_search(first, last, found, pattern.compiled().regex, flags);
    } catch (const std::runtime_error& limit) {
        throw SearchAbandoned(limit.what());
    }
}

} // namespace products::quarvel::search
