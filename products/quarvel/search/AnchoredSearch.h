#pragma once

// The search of a pattern with anchors: the pattern is tried only where one of its anchors'
// literals stands with the bytes around it that the anchor requires.

#include "products/quarvel/search/Pattern.h"

#include <boost/regex.hpp>

#include <cstddef>
#include <string>
#include <vector>

namespace products::quarvel::search {

/// What a search loop learnt about one anchor: from `lookedFrom` on, the first place where
/// its literal stands with the bytes around it that the anchor requires is `acceptedAt`
/// (kNoPosition: there is none before the range's end). Within one loop the range's end
/// stays and its start only grows, which can only turn places down, never let one in; so a
/// later look from a position in between needs to check only `acceptedAt` again, and every
/// literal of the range is looked at about once, however many searches the loop makes.
struct AnchorMemo {
    std::size_t lookedFrom = kNoPosition;
    std::size_t acceptedAt = kNoPosition;
    /// The last look for the literal alone: from where, and what it found.
    std::size_t literalLookedFrom = kNoPosition;
    std::size_t literalAt = kNoPosition;
    /// The last look for the later byte (see Anchor::thenLater): from where, and where it
    /// stands with a byte after it inside the range.
    std::size_t laterLookedFrom = kNoPosition;
    std::size_t laterAt = kNoPosition;
};

/// The leftmost match in [from, to), trying the pattern only at the starts that its anchors
/// allow, in increasing order; `memos` carries what the anchors learnt from one search of a
/// loop to the next (one per anchor).
bool searchAtAnchors(const Pattern& pattern, const std::string& text, std::size_t from,
                     std::size_t to, bool resumed, std::vector<AnchorMemo>& memos,
                     boost::cmatch& found);

} // namespace products::quarvel::search
