#pragma once

// The regular-expression engine behind Pattern, for the files of the search layer only.

#include "products/quarvel/search/Pattern.h"

#include <boost/regex.hpp>

#include <stdexcept>
#include <string>
#include <vector>

namespace products::quarvel::search {

struct Pattern::Compiled {
    boost::regex regex;
};

/// Raised inside a rule's search when the engine gives up; caught by collectDefects.
class SearchAbandoned : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

/// The match's whole extent and groups as offsets from `base`.
std::vector<Span> spansOf(const boost::cmatch& found, const char* base);

/// The flags of a search that tries `position` of a range starting at `rangeStart`.
boost::match_flag_type flagsAt(std::size_t position, std::size_t rangeStart, bool resumed);

/// One engine search; a search beyond the engine's limits raises SearchAbandoned.
bool runEngine(const char* first, const char* last, boost::cmatch& found, const Pattern& pattern,
               boost::match_flag_type flags);

} // namespace products::quarvel::search
