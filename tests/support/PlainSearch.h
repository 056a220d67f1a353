#pragma once

// The plain algorithms that the rules' fast searches must agree with: the stored pattern
// searched at every position through the pattern layer, the bracket scan counted byte by
// byte, the whole-block test as a search of the range alone. A differential test builds a
// rule's reference from these and compares it with the rule on generated texts.

#include "products/quarvel/search/PatternSearch.h"

#include <cstddef>
#include <optional>
#include <string>

namespace quarvel::testing {

using products::quarvel::search::Match;
using products::quarvel::search::Pattern;
using products::quarvel::search::Resume;

/// While alive, every pattern is tried at every position of the searched range, whatever
/// anchors it has; the setting before it comes back afterwards, so guards may nest.
class EveryPositionSearch {
  public:
    EveryPositionSearch() : before_(products::quarvel::search::searchesEveryPosition()) {
        Pattern::searchEveryPositionForTesting(true);
    }
    ~EveryPositionSearch() { Pattern::searchEveryPositionForTesting(before_); }
    EveryPositionSearch(const EveryPositionSearch&) = delete;
    EveryPositionSearch& operator=(const EveryPositionSearch&) = delete;

  private:
    bool before_;
};

/// The search loop: the leftmost match from the resumption point (at first `from`) to `to`
/// (the end of the text when not given), handed to `onMatch`, which returns where to resume
/// (nullopt: stop). \A holds only on the first search. Stops when a resumption does not
/// advance.
template <class OnMatch>
void plainForEachMatch(const Pattern& pattern, const std::string& text, OnMatch onMatch,
                       std::size_t from = 0, std::size_t to = std::string::npos) {
    const EveryPositionSearch everywhere;
    products::quarvel::search::forEachMatch(pattern, text, onMatch, from, to);
}

/// The leftmost match in [from, to) of the text, \A at `from`, tried at every position.
std::optional<Match> plainSearch(const Pattern& pattern, const std::string& text,
                                 std::size_t from = 0, std::size_t to = std::string::npos);

/// Counts `open` and `close` from `start` on, with one open already counted; the index where
/// the counts become equal, or nullopt at the end of the text.
std::optional<std::size_t> plainMatchingClose(const std::string& text, std::size_t start, char open,
                                              char close);

/// plainMatchingClose, counting the bytes scanned as a rule's bracket index does: once the
/// direct scans have covered more than the text's size plus 4096 bytes, the index is built and
/// answers every later question. The answers are plainMatchingClose's.
class CountedBracketScan {
  public:
    CountedBracketScan(const std::string& text, char open, char close)
        : text_(text), open_(open), close_(close) {}

    /// Whether the rule's index answers the next question.
    bool indexed() const { return scanned_ > text_.size() + kIndexAllowance; }

    std::optional<std::size_t> matchingClose(std::size_t start) {
        const std::optional<std::size_t> found = plainMatchingClose(text_, start, open_, close_);
        if (start < text_.size())
            scanned_ += (found ? *found + 1 : text_.size()) - start;
        return found;
    }

  private:
    static constexpr std::size_t kIndexAllowance = 4096;
    const std::string& text_;
    char open_;
    char close_;
    std::size_t scanned_ = 0;
};

/// True when the leftmost match of the pattern in [from, to) alone starts at `from` and ends
/// at `to`.
bool plainWholeBlock(const Pattern& pattern, const std::string& text, std::size_t from,
                     std::size_t to);

/// One plus the line feeds before the position.
std::int32_t plainLineAt(const std::string& text, std::size_t position);

} // namespace quarvel::testing
