#pragma once

#include <cstdint>
#include <string>

namespace util {

/// Decimal text of a signed number ("%d").
std::string toString(std::int32_t value);
/// Decimal text of an unsigned number ("%u").
std::string toString(std::uint32_t value);

} // namespace util
