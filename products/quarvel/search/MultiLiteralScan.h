#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace products::quarvel::search {

/// Where each of a set of literals stands in one text: for literal k, every position where
/// it starts, in increasing order. Positions are 32-bit: texts of 4 GB and more are not
/// indexed.
class LiteralPositions {
  public:
    LiteralPositions(std::vector<std::uint32_t> starts, std::vector<std::uint32_t> positions)
        : starts_(std::move(starts)), positions_(std::move(positions)),
          lastAnswer_(starts_.size() - 1, 0) {}

    std::size_t literalCount() const { return starts_.size() - 1; }

    /// The first position at or after `from` where literal k starts, or npos. The search
    /// starts from the previous answer for the same literal and widens as it goes, so
    /// questions that move little cost little: a search loop asks from positions that
    /// mostly grow. (The object is not for use by two threads at once.)
    std::size_t firstFrom(std::size_t literal, std::size_t from);

    /// Every position of literal k, in increasing order.
    const std::uint32_t* begin(std::size_t literal) const {
        return positions_.data() + starts_[literal];
    }
    const std::uint32_t* end(std::size_t literal) const {
        return positions_.data() + starts_[literal + 1];
    }

  private:
    /// Literal k's positions are positions_[starts_[k]] up to positions_[starts_[k + 1]].
    std::vector<std::uint32_t> starts_;
    std::vector<std::uint32_t> positions_;
    /// For each literal, the index among its positions of the last answer.
    std::vector<std::size_t> lastAnswer_;
};

/// One pass over a text finds every place of every literal of a set. Each pair of adjacent
/// bytes is looked up in a table of the literals' first two bytes (8 KB, so it stays in the
/// nearest cache); only where a literal can start are the literals that begin with that pair
/// compared. Literals of one byte are looked up by that byte alone; empty ones never stand
/// anywhere. The answers are those of std::string::find, asked at every position.
class MultiLiteralScan {
  public:
    /// Throws std::invalid_argument for a literal listed twice, and for literals that begin
    /// with more than kMaxPairs pairs of bytes.
    explicit MultiLiteralScan(std::vector<std::string> literals);
    static constexpr std::size_t kMaxPairs = 255;

    const std::vector<std::string>& literals() const { return literals_; }

    /// The places of every literal in the text, or nullopt when they are more than
    /// `maxPositions` in all (the scan stops there) or the text is too long to index.
    std::optional<LiteralPositions> scan(const std::string& text, std::size_t maxPositions) const;

  private:
    /// The literals of two bytes or more that begin with one pair of bytes: entries_[first]
    /// up to entries_[first + count].
    struct Bucket {
        std::uint32_t first;
        std::uint32_t count;
    };
    /// A literal of two bytes or more, with its first eight bytes (fewer when it is shorter)
    /// as a number to compare with the text's, and a mask that keeps that many bytes.
    struct Entry {
        std::uint32_t literal;
        std::uint32_t length;
        std::uint64_t head;
        std::uint64_t headMask;
    };

    bool pairStarts(unsigned pair) const { return pairBits_[pair >> 6] >> (pair & 63) & 1; }
    bool standsAt(const Entry& entry, const unsigned char* at, std::size_t left) const;

    std::vector<std::string> literals_;
    std::uint64_t pairBits_[65536 / 64] = {};
    std::vector<Bucket> buckets_;
    /// For each pair of bytes that starts a literal, its bucket's index.
    std::vector<std::uint8_t> bucketOfPair_;
    std::vector<Entry> entries_;
    /// For each byte, the literals of one byte that are that byte (at most one each, as the
    /// literals are distinct).
    std::int32_t singleByte_[256];
    bool hasSingleBytes_ = false;
};

} // namespace products::quarvel::search
