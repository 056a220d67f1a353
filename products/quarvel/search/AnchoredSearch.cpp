#include "products/quarvel/search/AnchoredSearch.h"

#include "products/quarvel/search/PatternEngine.h"

#include <algorithm>

namespace products::quarvel::search {
namespace {

/// The next place where one anchor's literal stands in [from, to), with the start of the
/// match that it would belong to.
class AnchorCandidates {
  public:
    AnchorCandidates(const Anchor& anchor, const std::string& text, std::size_t from,
                     std::size_t to, AnchorMemo& memo)
        : anchor_(anchor), text_(text), from_(from), to_(to), memo_(memo) {
        seek(from);
    }
    bool exhausted() const { return start_ == kNoPosition; }
    std::size_t start() const { return start_; }
    void skipTo(std::size_t position) {
        while (!exhausted() && start_ < position)
            seek(literalAt_ + 1);
    }

  private:
    /// The start of the match the literal at `at` would belong to, or kNoPosition.
    std::size_t startBefore(std::size_t at) const {
        std::size_t start = at;
        for (const RunBefore& run : anchor_.before) {
            std::size_t length = 0;
            while (length < run.max && start - length > from_ &&
                   run.bytes.contains(text_[start - length - 1]))
                ++length;
            if (length < run.min)
                return kNoPosition;
            start -= length;
        }
        return start;
    }

    void seek(std::size_t position) {
        std::size_t lookedFrom = position;
        if (memo_.lookedFrom != kNoPosition && position >= memo_.lookedFrom &&
            position <= memo_.acceptedAt) {
            if (memo_.acceptedAt == kNoPosition) {
                start_ = kNoPosition;
                return;
            }
            lookedFrom = memo_.lookedFrom;
            position = memo_.acceptedAt;
        }
        for (;;) {
            const std::size_t at = position > to_ ? std::string::npos : findLiteral(position);
            if (at == std::string::npos || at + anchor_.literal.size() > to_) {
                memo_.lookedFrom = lookedFrom;
                memo_.acceptedAt = kNoPosition;
                start_ = kNoPosition;
                return;
            }
            const std::size_t start = startBefore(at);
            if (start != kNoPosition && fitsAfter(at + anchor_.literal.size())) {
                memo_.lookedFrom = lookedFrom;
                memo_.acceptedAt = at;
                literalAt_ = at;
                start_ = start;
                return;
            }
            position = at + 1;
        }
    }

    std::size_t findLiteral(std::size_t position) {
        if (memo_.literalLookedFrom == kNoPosition || position < memo_.literalLookedFrom ||
            memo_.literalAt < position) {
            memo_.literalLookedFrom = position;
            memo_.literalAt = anchor_.finder.find(text_, position, to_);
        }
        return memo_.literalAt;
    }

    /// Whether what follows the literal, which ends at `end`, keeps the anchor's promises.
    bool fitsAfter(std::size_t end) {
        if (anchor_.later && laterByteFrom(end) == kNoPosition)
            return false;
        if (!anchor_.after)
            return true;
        const Anchor::After& after = *anchor_.after;
        std::size_t at = end;
        while (at < to_ && after.skipped.contains(text_[at]))
            ++at;
        return at - end >= after.minSkipped && at < to_ && after.next.contains(text_[at]);
    }

    /// The first place at or after a position where the later byte stands with a byte after
    /// it inside the range; the answer for one position serves later positions up to it.
    std::size_t laterByteFrom(std::size_t position) {
        if (memo_.laterLookedFrom == kNoPosition || position < memo_.laterLookedFrom ||
            memo_.laterAt < position) {
            memo_.laterLookedFrom = position;
            const std::size_t at = text_.find(*anchor_.later, position);
            memo_.laterAt = at != kNoPosition && at + 1 < to_ ? at : kNoPosition;
        }
        return memo_.laterAt;
    }

    const Anchor& anchor_;
    const std::string& text_;
    std::size_t from_;
    std::size_t to_;
    std::size_t literalAt_ = 0;
    std::size_t start_ = kNoPosition;
    AnchorMemo& memo_;
};

} // namespace

bool searchAtAnchors(const Pattern& pattern, const std::string& text, std::size_t from,
                     std::size_t to, bool resumed, std::vector<AnchorMemo>& memos,
                     boost::cmatch& found) {
    memos.resize(pattern.anchors().size());
    std::vector<AnchorCandidates> candidates;
    candidates.reserve(pattern.anchors().size());
    for (std::size_t i = 0; i < pattern.anchors().size(); ++i)
        candidates.emplace_back(pattern.anchors()[i], text, from, to, memos[i]);
    const char* base = text.data();
    for (;;) {
        std::size_t start = kNoPosition;
        for (const AnchorCandidates& c : candidates) {
            if (!c.exhausted())
                start = std::min(start, c.start());
        }
        if (start == kNoPosition)
            return false;
        if (runEngine(base + start, base + to, found, pattern,
                      flagsAt(start, from, resumed) | boost::match_continuous))
            return true;
        for (AnchorCandidates& c : candidates)
            c.skipTo(start + 1);
    }
}

} // namespace products::quarvel::search
