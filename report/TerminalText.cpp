#include "report/TerminalText.h"

namespace report {

std::string withVisibleControlBytes(std::string_view text) {
    static const char kDigits[] = "0123456789abcdef";
    std::string visible;
    visible.reserve(text.size());
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if ((byte < 0x20 && byte != '\n') || byte == 0x7f) {
            visible += "\\x";
            visible += kDigits[byte >> 4];
            visible += kDigits[byte & 0xf];
        } else {
            visible += c;
        }
    }
    return visible;
}

} // namespace report
