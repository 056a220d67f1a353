#include "lsp/TextPositions.h"

#include "report/Utf8.h"

#include <algorithm>

namespace lsp {

CharacterSpan characterAt(std::string_view text, std::size_t at) {
    if (static_cast<unsigned char>(text[at]) < 0x80)
        return {1, 1};
    const std::size_t length = report::utf8SequenceLength(text, at);
    if (length == 0)
        return {1, 1};
    return {length, length == 4 ? 2 : 1};
}

std::size_t nextLineBreak(std::string_view text, std::size_t from) {
    for (std::size_t at = from; at < text.size(); ++at) {
        if (text[at] == '\n' || text[at] == '\r')
            return at;
    }
    return text.size();
}

std::size_t afterLineBreak(std::string_view text, std::size_t at) {
    if (text[at] == '\r' && at + 1 < text.size() && text[at + 1] == '\n')
        return at + 2;
    return at + 1;
}

std::size_t offsetOf(std::string_view text, Position position) {
    std::size_t at = 0;
    for (std::int64_t line = 0; line < position.line; ++line) {
        const std::size_t lineBreak = nextLineBreak(text, at);
        if (lineBreak == text.size())
            return text.size();
        at = afterLineBreak(text, lineBreak);
    }
    std::int64_t units = 0;
    while (at < text.size() && text[at] != '\n' && text[at] != '\r') {
        const CharacterSpan character = characterAt(text, at);
        if (units + character.units > position.character)
            break;
        units += character.units;
        at += character.bytes;
    }
    return at;
}

LineIndex::LineIndex(std::string_view text) : text_(text) {
    starts_.push_back(0);
    for (std::size_t at = nextLineBreak(text, 0); at < text.size();
         at = nextLineBreak(text, starts_.back())) {
        starts_.push_back(afterLineBreak(text, at));
    }
}

Position LineIndex::positionOf(std::size_t offset) const {
    offset = std::min(offset, text_.size());
    const auto next = std::upper_bound(starts_.begin(), starts_.end(), offset);
    const auto line = static_cast<std::size_t>(next - starts_.begin()) - 1;
    const std::size_t end = std::min(offset, nextLineBreak(text_, starts_[line]));
    std::int64_t units = 0;
    for (std::size_t at = starts_[line]; at < end;) {
        const CharacterSpan character = characterAt(text_, at);
        units += character.units;
        at += character.bytes;
    }
    return {static_cast<std::int64_t>(line), units};
}

} // namespace lsp
