#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace util {

/// One plus the number of line feeds in the text before the position (clamped to the text).
std::int32_t lineNumberAt(const std::string& text, std::size_t position);

class StringHelper {
  public:
    enum Case { Lower = 0, Upper = 1 };

    /// Replaces every occurrence, left to right; inserted text is not searched again.
    /// An empty search text replaces nothing. Returns the number of replacements.
    static std::size_t replaceAll(std::string& replaceIn, const std::string& search,
                                  const std::string& replacement);
    /// Non-overlapping occurrences; an empty search text occurs 0 times.
    static std::size_t countOccurrences(const std::string& text, const std::string& search);
    static std::string toLowerCase(const std::string& src);
    /// Only the ASCII letters change; the copy ends at an embedded zero byte.
    static std::string changeCase(const std::string& src, int mode);
};

} // namespace util
