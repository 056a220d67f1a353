#pragma once

#include "products/quarvel/search/LiteralFinder.h"

#include <bitset>
#include <cstddef>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace products::quarvel::search {

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

    /// A further promise: the match holds this byte somewhere after the literal, with one
    /// more byte after it, inside the searched range. For a pattern such as "a[^{]*\{." it
    /// keeps every candidate from scanning to the end of a text that has no brace left.
    Anchor& thenLater(char byte) {
        later = byte;
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
    std::optional<char> later;
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
/// Whether searches ignore anchors and try every position (see
/// Pattern::searchEveryPositionForTesting).
bool searchesEveryPosition();

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

} // namespace products::quarvel::search
