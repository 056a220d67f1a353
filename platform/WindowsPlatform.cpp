#include "platform/Platform.h"

#include <vector>
#include <windows.h>

namespace platform {

int lastErrorCode() {
    return static_cast<int>(GetLastError());
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
    std::vector<char> buffer(260);
    DWORD length = GetCurrentDirectoryA(static_cast<DWORD>(buffer.size()), buffer.data());
    if (length >= buffer.size()) {
        // Longer than the usual buffer: the answer is the size needed, so ask again.
        buffer.resize(length + 1);
        length = GetCurrentDirectoryA(static_cast<DWORD>(buffer.size()), buffer.data());
        if (length >= buffer.size())
            return std::nullopt;
    }
    if (length == 0)
        return std::nullopt;
    return std::string(buffer.data(), length) + "\\";
}

} // namespace platform
