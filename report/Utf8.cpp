#include "report/Utf8.h"

namespace report {
namespace {
bool inRange(std::string_view text, std::size_t at, unsigned char low, unsigned char high) {
    if (at >= text.size())
        return false;
    const auto byte = static_cast<unsigned char>(text[at]);
    return byte >= low && byte <= high;
}
bool isContinuation(std::string_view text, std::size_t at) {
    return inRange(text, at, 0x80, 0xBF);
}
} // namespace

std::size_t utf8SequenceLength(std::string_view text, std::size_t at) {
    const auto lead = static_cast<unsigned char>(text[at]);
    if (lead < 0x80)
        return 1;
    if (lead >= 0xC2 && lead <= 0xDF)
        return isContinuation(text, at + 1) ? 2 : 0;
    if (lead >= 0xE0 && lead <= 0xEF) {
        // The second byte's range keeps out overlong forms (E0) and surrogates (ED).
        const unsigned char low = lead == 0xE0 ? 0xA0 : 0x80;
        const unsigned char high = lead == 0xED ? 0x9F : 0xBF;
        return inRange(text, at + 1, low, high) && isContinuation(text, at + 2) ? 3 : 0;
    }
    if (lead >= 0xF0 && lead <= 0xF4) {
        // Overlong forms (F0) and code points above U+10FFFF (F4) are kept out the same way.
        const unsigned char low = lead == 0xF0 ? 0x90 : 0x80;
        const unsigned char high = lead == 0xF4 ? 0x8F : 0xBF;
        return inRange(text, at + 1, low, high) && isContinuation(text, at + 2) &&
                       isContinuation(text, at + 3)
                   ? 4
                   : 0;
    }
    return 0;
}

} // namespace report
