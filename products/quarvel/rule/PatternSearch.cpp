#include "products/quarvel/rule/PatternSearch.h"

#include "products/quarvel/rule/TextScan.h"
#include "util/AssertionReporter.h"

#include <boost/regex.hpp>

#include <algorithm>
#include <locale>
#include <stdexcept>

namespace products::quarvel::rule {

struct Pattern::Compiled {
    boost::regex regex;
};

namespace {

bool searchEveryPosition = false;

/// Raised inside a rule's search when the engine gives up; caught by collectDefects.
class SearchAbandoned : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

boost::regex compile(const std::string& text) {
    boost::regex regex;
    // The classic locale: classes do not depend on the user's settings, and bytes above
    // 127 belong to no class.
    regex.imbue(std::locale::classic());
    regex.assign(text, boost::regex::perl);
    return regex;
}

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
};

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
            memo_.literalAt = anchor_.finder.find(text_, position);
        }
        return memo_.literalAt;
    }

    /// Whether what follows the literal, which ends at `end`, keeps the anchor's promise.
    bool fitsAfter(std::size_t end) const {
        if (!anchor_.after)
            return true;
        const Anchor::After& after = *anchor_.after;
        std::size_t at = end;
        while (at < to_ && after.skipped.contains(text_[at]))
            ++at;
        return at - end >= after.minSkipped && at < to_ && after.next.contains(text_[at]);
    }

    const Anchor& anchor_;
    const std::string& text_;
    std::size_t from_;
    std::size_t to_;
    std::size_t literalAt_ = 0;
    std::size_t start_ = kNoPosition;
    AnchorMemo& memo_;
};

/// The leftmost match, trying the pattern only at the starts that its anchors allow, in
/// increasing order.
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

/// One search of [from, to); `resumed` tells that the range does not start a search, and
/// `memos` carries the anchors' literals from one search of a loop to the next.
std::optional<Match> search(const Pattern& pattern, const std::string& text, std::size_t from,
                            std::size_t to, bool resumed, std::vector<AnchorMemo>& memos) {
    to = std::min(to, text.size());
    if (from > to)
        return std::nullopt;
    const char* base = text.data();
    boost::cmatch found;
    const bool matched =
        pattern.anchors().empty() || searchEveryPosition
            ? runEngine(base + from, base + to, found, pattern, flagsAt(from, from, resumed))
            : searchAtAnchors(pattern, text, from, to, resumed, memos, found);
    if (!matched)
        return std::nullopt;
    return Match(spansOf(found, base));
}

} // namespace

ByteSet ByteSet::of(const std::string& bytes) {
    ByteSet set;
    for (const char byte : bytes)
        set.bits_.set(static_cast<unsigned char>(byte));
    return set;
}

ByteSet ByteSet::whiteSpace() {
    return of(" \t\n\v\f\r");
}

ByteSet ByteSet::word() {
    return of("abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789_");
}

ByteSet ByteSet::any() {
    ByteSet set;
    set.bits_.set();
    return set;
}

ByteSet ByteSet::anyExcept(const std::string& bytes) {
    ByteSet set = any();
    for (const char byte : bytes)
        set.bits_.reset(static_cast<unsigned char>(byte));
    return set;
}

ByteSet ByteSet::operator|(const ByteSet& other) const {
    ByteSet set;
    set.bits_ = bits_ | other.bits_;
    return set;
}

Pattern::Pattern(const std::string& text, std::vector<Anchor> anchors)
    : text_(text), anchors_(std::move(anchors)),
      compiled_(std::make_unique<Compiled>(Compiled{compile(text)})) {}

void Pattern::searchEveryPositionForTesting(bool everyPosition) {
    searchEveryPosition = everyPosition;
}
Pattern::~Pattern() = default;
Pattern::Pattern(Pattern&&) noexcept = default;

std::string Match::groupText(const std::string& text, std::size_t index) const {
    const Span span = group(index);
    return span.matched() ? text.substr(span.begin, span.length()) : std::string();
}

void forEachMatch(const Pattern& pattern, const std::string& text,
                  const std::function<Resume(const Match&)>& onMatch, std::size_t from,
                  std::size_t to) {
    bool resumed = false;
    std::vector<AnchorMemo> memos;
    while (const std::optional<Match> match = search(pattern, text, from, to, resumed, memos)) {
        const Resume next = onMatch(*match);
        if (!next || *next <= from)
            return; // stopped, or a resumption that would not advance
        from = *next;
        resumed = true;
    }
}

std::optional<Match> searchOnce(const Pattern& pattern, const std::string& text, std::size_t from,
                                std::size_t to) {
    std::vector<AnchorMemo> memos;
    return search(pattern, text, from, to, false, memos);
}

namespace {
/// The close that brings the depth from 1 at `start` to 0, looked for in [start, end).
std::optional<std::size_t> scanForClose(const std::string& text, std::size_t start, std::size_t end,
                                        char open, char close) {
    std::size_t depth = 1;
    std::optional<std::size_t> found;
    forEachByteOf(text, open, close, start, end, [&](std::size_t at) {
        if (text[at] == open) {
            ++depth;
        } else if (--depth == 0) {
            found = at;
            return false;
        }
        return true;
    });
    return found;
}
} // namespace

std::optional<std::size_t> findMatchingClose(const std::string& text, std::size_t start, char open,
                                             char close) {
    return scanForClose(text, start, text.size(), open, close);
}

std::optional<std::size_t> BracketIndex::matchingClose(std::size_t start) {
    if (built_)
        return indexedClose(start);
    const std::size_t size = text_.size();
    if (start >= size)
        return std::nullopt;
    const std::size_t budget = size + kScanAllowance - scanned_;
    const std::size_t scanEnd = start + std::min(budget, size - start);
    if (const auto close = scanForClose(text_, start, scanEnd, open_, close_)) {
        scanned_ += *close + 1 - start;
        return close;
    }
    scanned_ += scanEnd - start;
    if (scanEnd == size)
        return std::nullopt;
    build();
    return indexedClose(start);
}

void BracketIndex::build() {
    std::vector<std::ptrdiff_t> levels; // the depth after each close, in text order
    std::ptrdiff_t depth = 0;
    forEachByteOf(text_, open_, close_, 0, text_.size(), [&](std::size_t at) {
        if (text_[at] == open_) {
            ++depth;
        } else {
            --depth;
            closes_.push_back(at);
            levels.push_back(depth);
        }
        brackets_.push_back(at);
        depthAfter_.push_back(depth);
        return true;
    });

    // A counting sort by level keeps the closes of each level in increasing position.
    if (!levels.empty()) {
        const auto [lowest, highest] = std::minmax_element(levels.begin(), levels.end());
        lowestLevel_ = *lowest;
        levelBegin_.assign(static_cast<std::size_t>(*highest - lowestLevel_) + 2, 0);
    }
    for (const std::ptrdiff_t level : levels)
        ++levelBegin_[static_cast<std::size_t>(level - lowestLevel_) + 1];
    for (std::size_t k = 1; k < levelBegin_.size(); ++k)
        levelBegin_[k] += levelBegin_[k - 1];
    std::vector<std::size_t> sorted(closes_.size());
    std::vector<std::size_t> next(levelBegin_);
    for (std::size_t c = 0; c < closes_.size(); ++c)
        sorted[next[static_cast<std::size_t>(levels[c] - lowestLevel_)]++] = closes_[c];
    closes_ = std::move(sorted);
    built_ = true;
}

std::ptrdiff_t BracketIndex::depthAt(std::size_t position) const {
    const auto before = std::lower_bound(brackets_.begin(), brackets_.end(), position);
    return before == brackets_.begin()
               ? 0
               : depthAfter_[static_cast<std::size_t>(before - brackets_.begin() - 1)];
}

// The answer is the first close at or after the start that brings the depth one below the
// depth at the start: the depth moves by one per character, so no earlier close can.
std::optional<std::size_t> BracketIndex::indexedClose(std::size_t start) const {
    if (start >= text_.size() || levelBegin_.empty())
        return std::nullopt;
    const std::ptrdiff_t target = depthAt(start) - 1;
    if (target < lowestLevel_ ||
        target - lowestLevel_ + 1 >= static_cast<std::ptrdiff_t>(levelBegin_.size()))
        return std::nullopt;
    const std::size_t k = static_cast<std::size_t>(target - lowestLevel_);
    const auto first = closes_.begin() + static_cast<std::ptrdiff_t>(levelBegin_[k]);
    const auto last = closes_.begin() + static_cast<std::ptrdiff_t>(levelBegin_[k + 1]);
    const auto found = std::lower_bound(first, last, start);
    if (found == last)
        return std::nullopt;
    return *found;
}

bool MatchWithin::found(std::size_t from, std::size_t to) {
    const bool known =
        askedFrom_ != kNoPosition && from >= askedFrom_ && (!first_ || from <= first_->begin);
    if (!known) {
        askedFrom_ = from;
        const std::optional<Match> match = searchOnce(pattern_, text_, from);
        first_ = match ? std::optional<Span>(match->group(0)) : std::nullopt;
    }
    return first_ && first_->end <= std::min(to, text_.size());
}

bool matchesWholeBlock(const Pattern& pattern, const std::string& text, std::size_t from,
                       std::size_t to) {
    // Only a leftmost match that starts at `from` can cover the range, and it is the match
    // the engine finds when it tries `from` alone: so one attempt there decides, instead of
    // a search through the whole range.
    to = std::min(to, text.size());
    if (from > to)
        return false;
    const char* base = text.data();
    boost::cmatch found;
    if (!runEngine(base + from, base + to, found, pattern,
                   flagsAt(from, from, false) | boost::match_continuous))
        return false;
    return static_cast<std::size_t>(found[0].second - base) == to;
}

DefectList collectDefects(std::int32_t ruleNumber,
                          const std::function<void(DefectList& defects)>& search) {
    DefectList defects;
    try {
        search(defects);
    } catch (const SearchAbandoned& limit) {
        util::reportAssertion("the searches of rule " + std::to_string(ruleNumber) +
                                  " stay within the pattern engine's limits (" + limit.what() + ")",
                              __FILE__, __LINE__);
    }
    return defects;
}

std::int32_t LineCounter::lineAt(std::size_t position) {
    position = std::min(position, text_.size());
    if (position < position_ && !indexed_) {
        forEachByteOf(text_, '\n', '\n', 0, text_.size(), [&](std::size_t at) {
            lineFeeds_.push_back(at);
            return true;
        });
        indexed_ = true;
    }
    if (indexed_) {
        const auto before = std::lower_bound(lineFeeds_.begin(), lineFeeds_.end(), position);
        return static_cast<std::int32_t>(before - lineFeeds_.begin()) + 1;
    }
    line_ += static_cast<std::int32_t>(countByte(text_, '\n', position_, position));
    position_ = position;
    return line_;
}

} // namespace products::quarvel::rule
