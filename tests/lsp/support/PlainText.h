#pragma once

#include "lsp/TextPositions.h"

#include <cstddef>
#include <string>
#include <vector>

namespace quarvel::testing {

/// A text's characters and lines worked out the long way, to compare the fast position
/// mapping with: each code point is decoded and judged by its value (not by byte ranges),
/// and lines are split after decoding.
class PlainText {
  public:
    struct Character {
        std::size_t start;
        std::size_t bytes;
        std::int64_t units;
        char32_t codePoint; // a byte that starts no well-formed sequence: U+FFFD
    };
    struct Line {
        std::vector<Character> characters;
        std::size_t end; // where its line break starts, or the text's end
    };

    explicit PlainText(const std::string& text);

    const std::vector<Line>& lines() const { return lines_; }

    /// The position of an offset at the start of a character, in a line break or at the end.
    lsp::Position positionOf(std::size_t offset) const;
    /// The offset of a position, clamped as the protocol asks.
    std::size_t offsetOf(lsp::Position position) const;
    /// Every offset that positionOf takes.
    std::vector<std::size_t> offsets() const;

  private:
    std::size_t size_;
    std::vector<Line> lines_;
};

/// The text as UTF-16 code units, when it is well-formed UTF-8.
std::u16string utf16Of(const std::string& text);
/// UTF-16 back to UTF-8 (no lone surrogates in it).
std::string utf8Of(const std::u16string& text);

/// A text as an editor holds it, in UTF-16: the offset of a position within it, clamped as
/// the protocol asks.
std::size_t utf16OffsetOf(const std::u16string& text, lsp::Position position);

} // namespace quarvel::testing
