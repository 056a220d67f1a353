#include "lsp/WellFormedText.h"

#include "report/Utf8.h"

namespace lsp {

std::string wellFormedText(std::string_view text) {
    std::string result;
    result.reserve(text.size());
    for (std::size_t at = 0; at < text.size();) {
        const std::size_t length = report::utf8SequenceLength(text, at);
        if (length > 0) {
            result.append(text, at, length);
            at += length;
            continue;
        }
        const auto byte = static_cast<unsigned char>(text[at++]);
        result += static_cast<char>(0xC0 | (byte >> 6));
        result += static_cast<char>(0x80 | (byte & 0x3F));
    }
    return result;
}

} // namespace lsp
