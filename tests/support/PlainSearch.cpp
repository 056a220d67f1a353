#include "tests/support/PlainSearch.h"

#include <algorithm>

namespace quarvel::testing {

std::optional<Match> plainSearch(const Pattern& pattern, const std::string& text, std::size_t from,
                                 std::size_t to) {
    const EveryPositionSearch everywhere;
    return products::quarvel::search::searchOnce(pattern, text, from, to);
}

std::optional<std::size_t> plainMatchingClose(const std::string& text, std::size_t start, char open,
                                              char close) {
    std::size_t opens = 1;
    std::size_t closes = 0;
    for (std::size_t i = start; i < text.size(); ++i) {
        if (text[i] == open) {
            ++opens;
        } else if (text[i] == close && ++closes == opens) {
            return i;
        }
    }
    return std::nullopt;
}

bool plainWholeBlock(const Pattern& pattern, const std::string& text, std::size_t from,
                     std::size_t to) {
    const std::optional<Match> match = plainSearch(pattern, text, from, to);
    return match && match->begin() == from && match->end() == to;
}

std::int32_t plainLineAt(const std::string& text, std::size_t position) {
    position = std::min(position, text.size());
    return 1 + static_cast<std::int32_t>(std::count(
                   text.begin(), text.begin() + static_cast<std::ptrdiff_t>(position), '\n'));
}

} // namespace quarvel::testing
