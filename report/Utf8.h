#pragma once

#include <cstddef>
#include <string_view>

namespace report {

/// The length of the well-formed UTF-8 sequence that starts at `at` (1 to 4), or 0 when the
/// byte there starts none: a stray continuation byte, an overlong form, a surrogate, a code
/// point above U+10FFFF or a sequence cut short.
std::size_t utf8SequenceLength(std::string_view text, std::size_t at);

} // namespace report
