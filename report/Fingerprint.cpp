#include "report/Fingerprint.h"

namespace report {
namespace {
constexpr Uint128 kOffsetBasis =
    (static_cast<Uint128>(0x6c62272e07bb0142ULL) << 64) | 0x62b821756295c58dULL;
constexpr Uint128 kPrime = (static_cast<Uint128>(1) << 88) | 0x13BU;
} // namespace

Fingerprint::Fingerprint() : state_(kOffsetBasis) {}

Fingerprint& Fingerprint::add(std::string_view bytes) {
    for (const char c : bytes) {
        state_ ^= static_cast<unsigned char>(c);
        state_ *= kPrime;
    }
    return *this;
}

std::string Fingerprint::hex() const {
    static const char kHexDigits[] = "0123456789abcdef";
    std::string text(32, '0');
    Uint128 rest = state_;
    for (std::size_t at = text.size(); at-- > 0;) {
        text[at] = kHexDigits[static_cast<unsigned>(rest & 0xF)];
        rest >>= 4;
    }
    return text;
}

} // namespace report
