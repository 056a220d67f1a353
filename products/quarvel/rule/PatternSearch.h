#pragma once

#include "products/quarvel/rule/Rule.h"
#include "products/quarvel/rule/TextScan.h"

#include <bitset>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace products::quarvel::rule {

constexpr std::size_t kNoPosition = std::string::npos;

/// A set of byte values.
class ByteSet {
  public:
    ByteSet() = default;
    /// The bytes of a text.
    static ByteSet of(const std::string& bytes);
    /// \s: space, tab, line feed, vertical tab, form feed, carriage return.
    static ByteSet whiteSpace();
    /// \w: ASCII letters, digits and underscore.
    static ByteSet word();
    static ByteSet any();
    /// Every byte but those of the text.
    static ByteSet anyExcept(const std::string& bytes);
    ByteSet operator|(const ByteSet& other) const;

    bool contains(char byte) const { return bits_[static_cast<unsigned char>(byte)]; }

  private:
    std::bitset<256> bits_;
};

/// Bytes that stand in a match right before an anchor's literal (or right before the
/// previous run): at least `min`, at most `max` of them, all in `bytes`.
struct RunBefore {
    ByteSet bytes;
    std::size_t min = 0;
    std::size_t max = 0;
};

/// A promise about every match of a pattern, used to find candidates fast: the match holds
/// the literal, and what it holds before the literal is the runs, listed from the literal
/// backwards. A run is taken as long as it can be (adjacent runs must not share bytes), and
/// the pattern must match at the first byte of a run that can vary whenever it matches at
/// a later byte of that run.
struct Anchor {
    Anchor(std::string literalText, std::vector<RunBefore> runsBefore = {})
        : literal(literalText), before(std::move(runsBefore)), finder(std::move(literalText)) {}

    /// A further promise, checked before the pattern is tried: after the literal come at
    /// least `minSkipped` bytes of `skipped` (taken as long as they go; `next` must not share
    /// bytes with it) and then a byte of `next` (inside the searched range).
    Anchor& thenAfter(ByteSet skippedBytes, std::size_t minSkippedBytes, ByteSet nextBytes) {
        after = After{skippedBytes, minSkippedBytes, nextBytes};
        return *this;
    }

    struct After {
        ByteSet skipped;
        std::size_t minSkipped;
        ByteSet next;
    };

    std::string literal;
    std::vector<RunBefore> before;
    std::optional<After> after;
    LiteralFinder finder;
};

/// A pattern of the rules' dialect, compiled once: Perl syntax, case-sensitive, "." matches
/// every byte (line feed, carriage return and zero byte included), and bytes above 127 are
/// neither \s nor \w whatever the user's locale. Throws std::runtime_error when the text
/// does not compile.
///
/// Anchors, when given, must cover every match (each match fits one of them); searches then
/// try the pattern only where an anchor's literal stands, and give the same matches as a
/// search at every position.
class Pattern {
  public:
    explicit Pattern(const std::string& text, std::vector<Anchor> anchors = {});
    ~Pattern();
    Pattern(Pattern&&) noexcept;
    Pattern(const Pattern&) = delete;
    Pattern& operator=(const Pattern&) = delete;

    const std::string& text() const { return text_; }
    const std::vector<Anchor>& anchors() const { return anchors_; }

    /// Tests only: search at every position, ignoring anchors, to check that they hold.
    static void searchEveryPositionForTesting(bool everyPosition);

    struct Compiled;
    const Compiled& compiled() const { return *compiled_; }

  private:
    std::string text_;
    std::vector<Anchor> anchors_;
    std::unique_ptr<Compiled> compiled_;
};

/// A stretch [begin, end) of the searched text; a group that took no part has both at
/// kNoPosition.
struct Span {
    std::size_t begin = kNoPosition;
    std::size_t end = kNoPosition;

    bool matched() const { return begin != kNoPosition; }
    std::size_t length() const { return matched() ? end - begin : 0; }
};

/// One match: the whole match and its groups, as offsets into the searched text.
class Match {
  public:
    explicit Match(std::vector<Span> spans) : spans_(std::move(spans)) {}

    std::size_t begin() const { return spans_[0].begin; }
    std::size_t end() const { return spans_[0].end; }
    /// Group 0 is the whole match; a group the pattern does not have took no part.
    Span group(std::size_t index) const { return index < spans_.size() ? spans_[index] : Span{}; }
    /// The text of a group, or the empty text when it took no part.
    std::string groupText(const std::string& text, std::size_t index) const;

  private:
    std::vector<Span> spans_;
};

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
class BracketIndex {
  public:
    BracketIndex(const std::string& text, char open, char close)
        : text_(text), open_(open), close_(close) {}

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
    bool built_ = false;
    /// Every open and close of the text, in order, and the depth right after each.
    std::vector<std::size_t> brackets_;
    std::vector<std::ptrdiff_t> depthAfter_;
    /// The depth after a close, lowest first: the closes after which the depth is
    /// lowestLevel_ + k stand at closes_[levelBegin_[k]] up to closes_[levelBegin_[k + 1]],
    /// in increasing position.
    std::ptrdiff_t lowestLevel_ = 0;
    std::vector<std::size_t> levelBegin_;
    std::vector<std::size_t> closes_;
};

/// Answers "does the pattern match somewhere in [from, to)?" for many ranges of one text
/// whose starts mostly grow, as the bodies of nested blocks do, without searching a long
/// body once per block: the first match from a start serves every later start up to it.
/// Only for patterns that hold no \A, no look-behind and no word boundary, that end with a
/// fixed byte, and whose matches cannot start inside one another; then the first match at
/// or after `from` in the whole text lies in the range exactly when the range holds a match.
class MatchWithin {
  public:
    MatchWithin(const Pattern& pattern, const std::string& text) : pattern_(pattern), text_(text) {}
    bool found(std::size_t from, std::size_t to);

  private:
    const Pattern& pattern_;
    const std::string& text_;
    std::size_t askedFrom_ = kNoPosition;
    std::optional<Span> first_; // the first match from askedFrom_, if any
};

/// True when the pattern, searched in [from, to) alone, has a match that covers the range
/// exactly.
bool matchesWholeBlock(const Pattern& pattern, const std::string& text, std::size_t from,
                       std::size_t to);

/// Runs a rule's search and returns the defects it appended. When a pattern search inside
/// exceeds the engine's limits, the search ends there, the defects found so far are kept,
/// and a failed check naming the rule is reported.
DefectList collectDefects(std::int32_t ruleNumber,
                          const std::function<void(DefectList& defects)>& search);

/// Line numbers of positions in one text: the same answers as util::lineNumberAt, without
/// counting from the start of the text for every position. Positions asked in increasing
/// order are counted on from the last one; the first time a position lies before the last
/// one, the line feeds of the text are listed once, and every later answer is a binary
/// search.
class LineCounter {
  public:
    explicit LineCounter(const std::string& text) : text_(text) {}
    std::int32_t lineAt(std::size_t position);

  private:
    const std::string& text_;
    std::size_t position_ = 0;
    std::int32_t line_ = 1;
    bool indexed_ = false;
    std::vector<std::size_t> lineFeeds_;
};

} // namespace products::quarvel::rule
