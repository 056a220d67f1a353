#pragma once

#include "products/quarvel/search/FirstFrom.h"
#include "products/quarvel/search/Pattern.h"

#include <cstddef>
#include <string>

namespace products::quarvel::search {

/// Answers "does the pattern match somewhere in [from, to)?" for many ranges of one text
/// whose starts mostly grow, as the bodies of nested blocks do, without searching a long
/// body once per block: the first match from a start serves every later start up to it.
/// Only for patterns that hold no \A, no look-behind and no word boundary, that end with a
/// fixed byte, and whose matches cannot start inside one another; then the first match at
/// or after `from` in the whole text lies in the range exactly when the range holds a match.
class MatchWithin {
  public:
    MatchWithin(const Pattern& pattern, const std::string& text)
        : text_(text), firstMatch_(FirstMatch{&pattern, &text, &firstEnd_}) {}
    MatchWithin(const MatchWithin&) = delete;
    MatchWithin& operator=(const MatchWithin&) = delete;

    bool found(std::size_t from, std::size_t to);

  private:
    /// The start of the first match from a start, keeping its end aside.
    struct FirstMatch {
        const Pattern* pattern;
        const std::string* text;
        std::size_t* end;
        std::size_t operator()(std::size_t start) const;
    };

    const std::string& text_;
    std::size_t firstEnd_ = kNoPosition;
    FirstFrom<FirstMatch> firstMatch_;
};

} // namespace products::quarvel::search
