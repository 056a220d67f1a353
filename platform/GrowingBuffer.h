#pragma once

#include <cstddef>
#include <functional>
#include <optional>
#include <string>

namespace platform {

/// Calls a system query that fills a text buffer, the way GetCurrentDirectoryA does: the
/// query returns the text's length when it fits, the size it needs (terminator included)
/// when the buffer is too small, and 0 on failure. The buffer starts at `initialSize` and
/// grows until the text fits; the text, or nullopt on failure.
std::optional<std::string>
queryIntoGrowingBuffer(const std::function<std::size_t(char* buffer, std::size_t size)>& query,
                       std::size_t initialSize = 260);

} // namespace platform
