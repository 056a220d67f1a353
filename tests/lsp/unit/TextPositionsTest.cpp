#include "lsp/TextPositions.h"

#include "lsp/TextChange.h"
#include "tests/lsp/support/PlainText.h"
#include "tests/support/Generators.h"

#include <gtest/gtest.h>

#include <rapidcheck/gtest.h>

namespace {

using lsp::LineIndex;
using lsp::Position;
using namespace quarvel::testing;

// Line breaks of the three kinds, one-, two-, three- and four-byte characters, and bytes
// that start no well-formed sequence: a stray continuation byte, a cut sequence, an
// overlong form, an encoded surrogate, a code point past U+10FFFF.
const std::vector<std::string> kFragments = {"a",
                                             " ",
                                             "\n",
                                             "\r",
                                             "\r\n",
                                             "\xC3\xA9" /* é */,
                                             "\xE2\x82\xAC" /* € */,
                                             "\xF0\x9F\x98\x80" /* emoji */,
                                             "\x80",
                                             "\xFF",
                                             "\xC3",
                                             "\xE2\x82",
                                             "\xC0\x80",
                                             "\xE0\x80\x80",
                                             "\xED\xA0\x80",
                                             "\xF4\x90\x80\x80",
                                             "\xF0\x9F\x98"};

// Well-formed UTF-8 only, as an editor that decodes its files holds them.
const std::vector<std::string> kWellFormedFragments = {
    "a", " ", "\n", "\r", "\r\n", "\xC3\xA9", "\xE2\x82\xAC", "\xF0\x9F\x98\x80", "\xEF\xBF\xBD"};

RC_GTEST_PROP(TextPositions, PositionsOfOffsetsAgreeWithThePlainDecoding, ()) {
    const std::string text = *textOf(kFragments);
    const PlainText plain(text);
    const LineIndex index(text);
    for (const std::size_t offset : plain.offsets())
        RC_ASSERT(index.positionOf(offset) == plain.positionOf(offset));
}

RC_GTEST_PROP(TextPositions, OffsetsOfPositionsAgreeWithThePlainDecoding, ()) {
    const std::string text = *textOf(kFragments);
    const PlainText plain(text);
    // Every line and one past the last; every character, the line's end and past it.
    for (std::int64_t line = 0; line <= static_cast<std::int64_t>(plain.lines().size()); ++line) {
        std::int64_t units = 0;
        if (line < static_cast<std::int64_t>(plain.lines().size())) {
            for (const auto& character : plain.lines()[static_cast<std::size_t>(line)].characters)
                units += character.units;
        }
        for (std::int64_t character = 0; character <= units + 2; ++character) {
            const Position position{line, character};
            RC_ASSERT(lsp::offsetOf(text, position) == plain.offsetOf(position));
        }
    }
}

RC_GTEST_PROP(TextPositions, AnEditorsUtf16ViewOfAWellFormedTextAgrees, ()) {
    const std::string text = *textOf(kWellFormedFragments);
    const std::u16string units = utf16Of(text);
    const LineIndex index(text);
    const PlainText plain(text);
    for (const std::size_t offset : plain.offsets()) {
        const Position position = index.positionOf(offset);
        // The same place, counted in the editor's code units, holds the same text after it.
        const std::size_t unitOffset = utf16OffsetOf(units, position);
        RC_ASSERT(utf8Of(units.substr(unitOffset)) == text.substr(lsp::offsetOf(text, position)));
    }
}

// The texts reach what they are meant to: every fragment kind and line breaks of each kind
// next to multi-byte characters.
TEST(TextPositions, GeneratedTextsHoldEveryKindOfCharacter) {
    std::string all;
    for (const std::string& text : sampleOf(textOf(kFragments), 200))
        all += text;
    for (const std::string& fragment : kFragments)
        EXPECT_NE(all.find(fragment), std::string::npos) << fragment;
}

struct PositionCase {
    const char* text;
    std::size_t offset;
    Position position;
    bool backAgain = true; // whether offsetOf gives the offset back
};

// Hand-checked cases: the counts an editor shows.
TEST(TextPositions, KnownPositions) {
    const PositionCase cases[] = {
        {"", 0, {0, 0}},
        {"ab\ncd", 4, {1, 1}},
        {"\xC3\xA9x", 2, {0, 1}},                        // é is one unit
        {"\xF0\x9F\x98\x80x", 4, {0, 2}},                // an emoji is two
        {"\xFF\xFEx", 2, {0, 2}},                        // each stray byte is one
        {"a\r\nb", 3, {1, 0}},                           // CR LF is one break
        {"a\rb", 2, {1, 0}},                             // so is a lone CR
        {"a\r\nb", 2, {0, 1}, false},                    // between CR and LF: the line's end
        {"a\n", 2, {1, 0}},                              // the empty last line
        {"\xE2\x82\xAC\xF0\x9F\x98\x80\xC3", 7, {0, 3}}, // €, emoji, then a cut sequence
    };
    for (const PositionCase& c : cases) {
        EXPECT_EQ(LineIndex(c.text).positionOf(c.offset), c.position) << c.text;
        if (c.backAgain) {
            EXPECT_EQ(lsp::offsetOf(c.text, c.position), c.offset) << c.text;
        }
    }
}

TEST(TextPositions, PositionsPastTheTextAreClamped) {
    const std::string text = "ab\r\n\xF0\x9F\x98\x80z";
    EXPECT_EQ(lsp::offsetOf(text, {0, 99}), 2u); // the line's end, before CR LF
    EXPECT_EQ(lsp::offsetOf(text, {1, 1}), 4u);  // inside the pair: its start
    EXPECT_EQ(lsp::offsetOf(text, {1, 2}), 8u);
    EXPECT_EQ(lsp::offsetOf(text, {7, 0}), text.size());
    EXPECT_EQ(lsp::offsetOf(text, {-3, -1}), 0u);
    EXPECT_EQ(LineIndex(text).positionOf(999), (Position{1, 3}));
}

} // namespace
