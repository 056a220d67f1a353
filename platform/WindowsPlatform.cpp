#include "platform/Platform.h"

#include "platform/GrowingBuffer.h"

#include <windows.h>

namespace platform {

int lastErrorCode() {
    return static_cast<int>(GetLastError());
}

void setLastErrorCode(int errorCode) {
    SetLastError(static_cast<DWORD>(errorCode));
}

void setIsDirectoryError() {
    SetLastError(ERROR_DIRECTORY);
}

std::optional<std::string> systemErrorText(int errorCode) {
    LPSTR buffer = nullptr;
    const DWORD length = FormatMessageA(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
        nullptr, static_cast<DWORD>(errorCode), MAKELANGID(LANG_NEUTRAL, SUBLANG_DEFAULT),
        reinterpret_cast<LPSTR>(&buffer), 0, nullptr);
    if (length == 0 || !buffer)
        return std::nullopt;
    std::string text(buffer, length); // as returned, with its line end
    LocalFree(buffer);
    return text;
}

std::optional<std::string> currentDirectoryWithSeparator() {
    const auto directory = queryIntoGrowingBuffer([](char* buffer, std::size_t size) {
        return static_cast<std::size_t>(GetCurrentDirectoryA(static_cast<DWORD>(size), buffer));
    });
    if (!directory)
        return std::nullopt;
    return *directory + "\\";
}

} // namespace platform
