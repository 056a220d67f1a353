#include "tests/lsp/support/PlainText.h"

namespace quarvel::testing {
namespace {

struct Decoded {
    std::size_t bytes;
    char32_t codePoint;
    bool valid;
};

Decoded decode(const std::string& text, std::size_t at) {
    const auto lead = static_cast<unsigned char>(text[at]);
    const Decoded invalid{1, 0xFFFD, false};
    if (lead < 0x80)
        return {1, lead, true};
    std::size_t length = 0;
    char32_t codePoint = 0;
    if ((lead & 0xE0) == 0xC0) {
        length = 2;
        codePoint = lead & 0x1F;
    } else if ((lead & 0xF0) == 0xE0) {
        length = 3;
        codePoint = lead & 0x0F;
    } else if ((lead & 0xF8) == 0xF0) {
        length = 4;
        codePoint = lead & 0x07;
    } else {
        return invalid;
    }
    if (at + length > text.size())
        return invalid;
    for (std::size_t i = 1; i < length; ++i) {
        const auto byte = static_cast<unsigned char>(text[at + i]);
        if ((byte & 0xC0) != 0x80)
            return invalid;
        codePoint = (codePoint << 6) | (byte & 0x3F);
    }
    const char32_t smallest[] = {0, 0, 0x80, 0x800, 0x10000};
    if (codePoint < smallest[length] || codePoint > 0x10FFFF ||
        (codePoint >= 0xD800 && codePoint <= 0xDFFF))
        return invalid;
    return {length, codePoint, true};
}

} // namespace

PlainText::PlainText(const std::string& text) : size_(text.size()) {
    lines_.push_back({{}, text.size()});
    for (std::size_t at = 0; at < text.size();) {
        if (text[at] == '\n' || text[at] == '\r') {
            lines_.back().end = at;
            at += text.compare(at, 2, "\r\n") == 0 ? 2 : 1;
            lines_.push_back({{}, text.size()});
            continue;
        }
        const Decoded decoded = decode(text, at);
        lines_.back().characters.push_back(
            {at, decoded.bytes, decoded.codePoint >= 0x10000 ? 2 : 1, decoded.codePoint});
        at += decoded.bytes;
    }
}

lsp::Position PlainText::positionOf(std::size_t offset) const {
    for (std::size_t line = 0; line < lines_.size(); ++line) {
        std::int64_t units = 0;
        for (const Character& character : lines_[line].characters) {
            if (character.start == offset)
                return {static_cast<std::int64_t>(line), units};
            units += character.units;
        }
        const std::size_t nextStart =
            line + 1 < lines_.size()
                ? (lines_[line + 1].characters.empty() ? lines_[line + 1].end
                                                       : lines_[line + 1].characters[0].start)
                : size_ + 1;
        if (offset >= lines_[line].end && offset < nextStart)
            return {static_cast<std::int64_t>(line), units};
    }
    return {static_cast<std::int64_t>(lines_.size() - 1), 0};
}

std::size_t PlainText::offsetOf(lsp::Position position) const {
    if (position.line >= static_cast<std::int64_t>(lines_.size()))
        return size_;
    const Line& line = lines_[static_cast<std::size_t>(position.line)];
    std::int64_t units = 0;
    for (const Character& character : line.characters) {
        if (units + character.units > position.character)
            return character.start;
        units += character.units;
    }
    return line.end;
}

std::vector<std::size_t> PlainText::offsets() const {
    std::vector<std::size_t> all;
    for (const Line& line : lines_) {
        for (const Character& character : line.characters)
            all.push_back(character.start);
        all.push_back(line.end);
    }
    return all;
}

std::u16string utf16Of(const std::string& text) {
    std::u16string units;
    for (std::size_t at = 0; at < text.size();) {
        const Decoded decoded = decode(text, at);
        if (decoded.codePoint >= 0x10000) {
            const char32_t value = decoded.codePoint - 0x10000;
            units += static_cast<char16_t>(0xD800 + (value >> 10));
            units += static_cast<char16_t>(0xDC00 + (value & 0x3FF));
        } else {
            units += static_cast<char16_t>(decoded.codePoint);
        }
        at += decoded.bytes;
    }
    return units;
}

std::string utf8Of(const std::u16string& text) {
    std::string bytes;
    for (std::size_t at = 0; at < text.size(); ++at) {
        char32_t codePoint = text[at];
        if (codePoint >= 0xD800 && codePoint <= 0xDBFF && at + 1 < text.size()) {
            codePoint = 0x10000 + ((codePoint - 0xD800) << 10) + (text[at + 1] - 0xDC00);
            ++at;
        }
        if (codePoint < 0x80) {
            bytes += static_cast<char>(codePoint);
        } else if (codePoint < 0x800) {
            bytes += static_cast<char>(0xC0 | (codePoint >> 6));
            bytes += static_cast<char>(0x80 | (codePoint & 0x3F));
        } else if (codePoint < 0x10000) {
            bytes += static_cast<char>(0xE0 | (codePoint >> 12));
            bytes += static_cast<char>(0x80 | ((codePoint >> 6) & 0x3F));
            bytes += static_cast<char>(0x80 | (codePoint & 0x3F));
        } else {
            bytes += static_cast<char>(0xF0 | (codePoint >> 18));
            bytes += static_cast<char>(0x80 | ((codePoint >> 12) & 0x3F));
            bytes += static_cast<char>(0x80 | ((codePoint >> 6) & 0x3F));
            bytes += static_cast<char>(0x80 | (codePoint & 0x3F));
        }
    }
    return bytes;
}

std::size_t utf16OffsetOf(const std::u16string& text, lsp::Position position) {
    std::size_t at = 0;
    for (std::int64_t line = 0; line < position.line; ++line) {
        while (at < text.size() && text[at] != u'\n' && text[at] != u'\r')
            ++at;
        if (at == text.size())
            return at;
        at += text.compare(at, 2, u"\r\n") == 0 ? 2 : 1;
    }
    std::size_t end = at;
    while (end < text.size() && text[end] != u'\n' && text[end] != u'\r')
        ++end;
    std::size_t target = at + static_cast<std::size_t>(position.character);
    if (target >= end)
        return end;
    if (text[target] >= 0xDC00 && text[target] <= 0xDFFF && target > at)
        --target; // inside a surrogate pair: its start
    return target;
}

} // namespace quarvel::testing
