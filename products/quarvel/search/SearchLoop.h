#pragma once

#include "products/quarvel/search/Pattern.h"

#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>

namespace products::quarvel::search {

/// Where a search loop goes on after a match: the offset to search from next, or nullopt
/// to stop. An offset that does not lie after the previous search's start stops the loop.
using Resume = std::optional<std::size_t>;

/// The search loop: finds the leftmost match in [from, to) of the text, hands it over, and
/// searches again from the offset the handler returns. \A holds at `from` on the first
/// search and never after a resumption. The handler may change the text only before the
/// offset it returns. A pattern search that exceeds the engine's limits abandons the rule's
/// search (see collectDefects).
void forEachMatch(const Pattern& pattern, const std::string& text,
                  const std::function<Resume(const Match&)>& onMatch, std::size_t from = 0,
                  std::size_t to = kNoPosition);

/// The leftmost match in [from, to) of the text; \A holds at `from`.
std::optional<Match> searchOnce(const Pattern& pattern, const std::string& text,
                                std::size_t from = 0, std::size_t to = kNoPosition);

/// True when the pattern, searched in [from, to) alone, has a match that covers the range
/// exactly.
bool matchesWholeBlock(const Pattern& pattern, const std::string& text, std::size_t from,
                       std::size_t to);

/// Runs a rule's search. When a pattern search inside exceeds the engine's limits, the search
/// ends there, the defects reported so far stay, and a failed check naming the rule is
/// reported.
void guardSearch(std::int32_t ruleNumber, const std::function<void()>& search);

} // namespace products::quarvel::search
