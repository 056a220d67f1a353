#include "windows/file/CurrentDirectory.h"

#include "platform/Platform.h"
#include "platform/errorresources/SystemErrors.h"
#include "windows/file/WindowsFileException.h"

namespace windows::file {

std::string currentDirectory() {
    if (auto directory = platform::currentDirectoryWithSeparator())
        return *directory;
    throw CouldNotGetCurrentDirectoryException(
        "Couldn't get the current directory.\n " +
        platform::SystemErrors::map(platform::lastErrorCode()));
}

} // namespace windows::file
