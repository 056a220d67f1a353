#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

namespace lsp {

/// A place in a text as the protocol counts it: lines end at "\n", "\r\n" or a lone "\r", and
/// the character is a count of UTF-16 code units from the line's start.
struct Position {
    std::int64_t line = 0;
    std::int64_t character = 0;

    bool operator==(const Position& other) const {
        return line == other.line && character == other.character;
    }
};

/// One character of a byte text: a well-formed UTF-8 sequence, or any other single byte
/// (a byte that starts no well-formed sequence is a character of its own, one code unit long,
/// as an editor that keeps such bytes counts it).
struct CharacterSpan {
    std::size_t bytes;
    std::int64_t units; // 2 above U+FFFF, else 1
};

/// The character that starts at `at` (which must be inside the text).
CharacterSpan characterAt(std::string_view text, std::size_t at);

/// The first line break ("\r" or "\n") at or after `from`, or the text's size.
std::size_t nextLineBreak(std::string_view text, std::size_t from);

/// Where the line after the break at `at` starts ("\r\n" is one break).
std::size_t afterLineBreak(std::string_view text, std::size_t at);

/// The byte offset of a position, clamped as the protocol asks: a line past the last gives
/// the text's end, a character past the line's end gives the end of the line (before its
/// break), and a character inside a surrogate pair gives the pair's start. Negative numbers
/// count as 0.
std::size_t offsetOf(std::string_view text, Position position);

/// The starts of a text's lines, to turn many byte offsets into positions. The text must
/// outlive the index.
class LineIndex {
  public:
    explicit LineIndex(std::string_view text);

    /// The position of a byte offset. An offset inside a character counts that character
    /// whole; one inside or after a line break is the end of that line; one past the text is
    /// its end.
    Position positionOf(std::size_t offset) const;

  private:
    std::string_view text_;
    std::vector<std::size_t> starts_;
};

} // namespace lsp
