#include "platform/GrowingBuffer.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

TEST(GrowingBuffer, GrowsUntilALongTextFits) {
    const std::string directory = "C:\\" + std::string(300, 'd');
    std::vector<std::size_t> sizesAsked;
    const auto query = [&](char* buffer, std::size_t size) -> std::size_t {
        sizesAsked.push_back(size);
        if (size <= directory.size())
            return directory.size() + 1; // the size needed, terminator included
        directory.copy(buffer, directory.size());
        buffer[directory.size()] = '\0';
        return directory.size();
    };
    EXPECT_EQ(platform::queryIntoGrowingBuffer(query), directory);
    EXPECT_EQ(sizesAsked.front(), 260u);
    EXPECT_EQ(sizesAsked.size(), 2u);
}

TEST(GrowingBuffer, FailureAndTextsThatNeverFit) {
    EXPECT_FALSE(platform::queryIntoGrowingBuffer([](char*, std::size_t) { return 0u; }));
    EXPECT_FALSE(platform::queryIntoGrowingBuffer(
        [](char*, std::size_t size) -> std::size_t { return size + 10; }));
}

} // namespace
