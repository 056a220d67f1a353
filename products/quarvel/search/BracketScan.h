#pragma once

#include <cstddef>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace products::quarvel::search {

/// Counts open and close characters from `start` on, with one open already counted, and
/// returns the index where the counts are equal, or nullopt at the end of the text.
std::optional<std::size_t> findMatchingClose(const std::string& text, std::size_t start, char open,
                                             char close);

/// findMatchingClose for many starts in one text and one pair of characters, without
/// rescanning long stretches for every start: the answers are those of findMatchingClose.
/// Starts are first scanned directly; once the direct scans have covered more bytes than the
/// text holds (plus a small allowance), the object indexes the whole text once and answers
/// every further start by a binary search. The text must outlive the object, and the bytes
/// from any start on must not change between the indexing and that start's question.
///
/// In a view of the file being checked (see SharedScans), an index that one object has built
/// serves every later object of the same view and pair: the rules that follow answer every
/// start from it at once.
/// The index of every open and close of a text, for one pair of characters.
struct BracketLevels {
    /// Every open and close of the text, in order, and the depth right after each.
    std::vector<std::size_t> brackets;
    std::vector<std::ptrdiff_t> depthAfter;
    /// The depth after a close, lowest first: the closes after which the depth is
    /// lowestLevel + k stand at closes[levelBegin[k]] up to closes[levelBegin[k + 1]], in
    /// increasing position.
    std::ptrdiff_t lowestLevel = 0;
    std::vector<std::size_t> levelBegin;
    std::vector<std::size_t> closes;
};

class BracketIndex {
  public:
    BracketIndex(const std::string& text, char open, char close);

    std::optional<std::size_t> matchingClose(std::size_t start);

  private:
    /// Bytes the direct scans may cover beyond the size of the text.
    static constexpr std::size_t kScanAllowance = 4096;

    void build();
    /// Opens minus closes in [0, position) of the text.
    std::ptrdiff_t depthAt(std::size_t position) const;
    std::optional<std::size_t> indexedClose(std::size_t start) const;

    const std::string& text_;
    char open_;
    char close_;
    std::size_t scanned_ = 0;
    std::shared_ptr<const BracketLevels> levels_; // once built
};

} // namespace products::quarvel::search
