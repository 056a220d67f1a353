#include "platform/GrowingBuffer.h"

#include <vector>

namespace platform {

std::optional<std::string>
queryIntoGrowingBuffer(const std::function<std::size_t(char* buffer, std::size_t size)>& query,
                       std::size_t initialSize) {
    std::vector<char> buffer(initialSize);
    // The text can grow between two calls; give up after a few rounds rather than loop.
    for (int round = 0; round < 8; ++round) {
        const std::size_t length = query(buffer.data(), buffer.size());
        if (length == 0)
            return std::nullopt;
        if (length < buffer.size())
            return std::string(buffer.data(), length);
        buffer.resize(length + 1);
    }
    return std::nullopt;
}

} // namespace platform
