#include "util/Helpers.h"

#include <cinttypes>
#include <cstdio>

namespace util {

std::string toString(std::int32_t value) {
    char text[16];
    std::snprintf(text, sizeof text, "%" PRId32, value);
    return text;
}

std::string toString(std::uint32_t value) {
    char text[16];
    std::snprintf(text, sizeof text, "%" PRIu32, value);
    return text;
}

} // namespace util
