#include "exceptions/Exception.h"
#include "io/file/CouldNotLoadFileException.h"
#include "windows/file/WindowsFileException.h"

#include <gtest/gtest.h>

namespace {

TEST(Exceptions, FamiliesCatchOnlyTheirMembers) {
    const auto caughtAsIo = [](auto thrower) {
        try {
            thrower();
        } catch (const io::IOException&) {
            return true;
        } catch (const exceptions::Exception&) {
            return false;
        }
        return false;
    };
    EXPECT_TRUE(caughtAsIo([] { throw io::file::CouldNotLoadFileException("x"); }));
    EXPECT_TRUE(caughtAsIo([] { throw windows::file::CouldNotGetCurrentDirectoryException("x"); }));
    EXPECT_FALSE(caughtAsIo([] { throw exceptions::IllegalArgumentException("x"); }));
    EXPECT_FALSE(caughtAsIo([] { throw exceptions::NumberFormatException("x"); }));

    const exceptions::IllegalArgumentException original("message");
    const exceptions::IllegalArgumentException copy(original);
    EXPECT_EQ(copy.getMessage(), "message");
}

} // namespace
