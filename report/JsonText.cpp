#include "report/JsonText.h"

#include "report/Utf8.h"

namespace report {
namespace {
const char kHexDigits[] = "0123456789abcdef";

void appendUnicodeEscape(std::string& out, unsigned char byte) {
    const char escape[] = {'\\', 'u', '0', '0', kHexDigits[byte >> 4], kHexDigits[byte & 0xF]};
    out.append(escape, sizeof escape);
}

/// Bytes that stand for themselves in a JSON string.
bool isPlain(unsigned char byte) {
    return byte >= 0x20 && byte < 0x80 && byte != '"' && byte != '\\';
}
} // namespace

void appendJsonString(std::string& out, std::string_view text) {
    out.push_back('"');
    std::size_t at = 0;
    while (at < text.size()) {
        std::size_t plainEnd = at;
        while (plainEnd < text.size() && isPlain(static_cast<unsigned char>(text[plainEnd])))
            ++plainEnd;
        out.append(text, at, plainEnd - at);
        at = plainEnd;
        if (at == text.size())
            break;
        const auto byte = static_cast<unsigned char>(text[at]);
        switch (byte) {
        case '"':
            out.append("\\\"");
            break;
        case '\\':
            out.append("\\\\");
            break;
        case '\b':
            out.append("\\b");
            break;
        case '\f':
            out.append("\\f");
            break;
        case '\n':
            out.append("\\n");
            break;
        case '\r':
            out.append("\\r");
            break;
        case '\t':
            out.append("\\t");
            break;
        default:
            if (byte >= 0x80) {
                if (const std::size_t length = utf8SequenceLength(text, at)) {
                    out.append(text, at, length);
                    at += length;
                    continue;
                }
            }
            appendUnicodeEscape(out, byte);
        }
        ++at;
    }
    out.push_back('"');
}

} // namespace report
