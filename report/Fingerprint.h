#pragma once

#include <string>
#include <string_view>

namespace report {

// GCC and Clang on 64-bit targets have 128-bit integers; the keyword keeps -Wpedantic quiet.
__extension__ using Uint128 = unsigned __int128;

/// 128-bit FNV-1a hash of a byte string, written as 32 lower-case hex digits: fast, stable
/// across platforms and versions, and wide enough that distinct defects never share one.
class Fingerprint {
  public:
    Fingerprint();
    Fingerprint& add(std::string_view bytes);
    std::string hex() const;

  private:
    Uint128 state_;
};

} // namespace report
