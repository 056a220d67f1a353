#include "lsp/TextChange.h"

#include "tests/lsp/support/PlainText.h"
#include "tests/support/Generators.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <rapidcheck/gtest.h>

namespace {

using lsp::Position;
using lsp::Range;
using lsp::TextChange;
using namespace quarvel::testing;

const std::vector<std::string> kWellFormedFragments = {
    "a", " ", "\n", "\r", "\r\n", "\xC3\xA9", "\xE2\x82\xAC", "\xF0\x9F\x98\x80"};

/// A change as an editor holding the text in UTF-16 makes it.
void applyToUtf16(std::u16string& text, const TextChange& change) {
    if (!change.range) {
        text = utf16Of(change.text);
        return;
    }
    std::size_t start = utf16OffsetOf(text, change.range->start);
    std::size_t end = utf16OffsetOf(text, change.range->end);
    if (end < start)
        std::swap(start, end);
    text.replace(start, end - start, utf16Of(change.text));
}

Position anyPosition() {
    return {*rc::gen::inRange<std::int64_t>(0, 6), *rc::gen::inRange<std::int64_t>(0, 12)};
}

/// A change anywhere, past the text's lines and ends too, or a whole new text.
rc::Gen<TextChange> changes() {
    return rc::gen::exec([] {
        TextChange change;
        if (*rc::gen::inRange(0, 8) != 0)
            change.range = Range{anyPosition(), anyPosition()};
        change.text = *textOf(kWellFormedFragments);
        return change;
    });
}

RC_GTEST_PROP(TextChange, EditsAgreeWithAnEditorsUtf16Buffer, ()) {
    std::string bytes = *textOf(kWellFormedFragments);
    std::u16string units = utf16Of(bytes);
    const auto edits = *rc::gen::container<std::vector<TextChange>>(changes());
    for (const TextChange& change : edits) {
        lsp::applyChange(bytes, change);
        applyToUtf16(units, change);
        RC_ASSERT(bytes == utf8Of(units));
    }
}

struct ChangeCase {
    const char* before;
    Range range;
    const char* text;
    const char* after;
};

// Buffers with bytes that are not UTF-8 are edited byte for byte: each such byte is one
// code unit, as an editor that keeps them counts it.
TEST(TextChange, EditsAroundBytesThatAreNotUtf8) {
    const ChangeCase cases[] = {
        {"a\xFF"
         "b",
         {{0, 1}, {0, 2}},
         "X",
         "aXb"},
        {"\xC3\xC3\xA9z", {{0, 2}, {0, 3}}, "", "\xC3\xC3\xA9"},
        {"\xF0\x9F\x98\x80\x80q", {{0, 2}, {0, 3}}, "-", "\xF0\x9F\x98\x80-q"},
        {"x\r\n\xFE", {{1, 0}, {1, 1}}, "\xE2\x82\xAC", "x\r\n\xE2\x82\xAC"},
        {"ab", {{0, 2}, {0, 0}}, "c", "c"},          // an end before the start
        {"ab\ncd", {{1, 1}, {9, 9}}, "!", "ab\nc!"}, // an end past the text
    };
    for (const ChangeCase& c : cases) {
        std::string text = c.before;
        lsp::applyChange(text, {c.range, c.text});
        EXPECT_EQ(text, c.after) << c.before;
    }
}

TEST(TextChange, AChangeWithoutARangeReplacesTheWholeText) {
    std::string text = "old\ntext";
    lsp::applyChange(text, {std::nullopt, "new"});
    EXPECT_EQ(text, "new");
}

} // namespace
