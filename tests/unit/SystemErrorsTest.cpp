#include "platform/errorresources/SystemErrors.h"

#include <gtest/gtest.h>

#include <string>

namespace {

TEST(SystemErrors, KnownAndUnknownCodes) {
    EXPECT_EQ(platform::SystemErrors::map(2), "System error message: No such file or directory");
    EXPECT_EQ(platform::SystemErrors::map(-5),
              "System error message: The string representation of the error code [-5] was not "
              "found.\r\n");
}

TEST(SystemErrors, FallbackTableIsAskedForUnknownCodes) {
    struct Table : platform::ErrorMapper {
        bool lookup(int code, std::string& text) const override {
            text = "custom " + std::to_string(code);
            return code == -7;
        }
    } table;
    EXPECT_EQ(platform::SystemErrors::map(-7, &table), "System error message: custom -7\r\n");
}

} // namespace
