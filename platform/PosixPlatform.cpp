#include "platform/Platform.h"

#include <cerrno>
#include <cstring>
#include <unistd.h>
#include <vector>

namespace platform {

int lastErrorCode() {
    return errno;
}

void setLastErrorCode(int errorCode) {
    errno = errorCode;
}

void setIsDirectoryError() {
    errno = EISDIR;
}

std::optional<std::string> systemErrorText(int errorCode) {
#if defined(__GLIBC__) && (__GLIBC__ > 2 || (__GLIBC__ == 2 && __GLIBC_MINOR__ >= 32))
    if (!strerrorname_np(errorCode))
        return std::nullopt; // glibc would answer "Unknown error N"
#endif
    const char* text = std::strerror(errorCode);
    if (!text)
        return std::nullopt;
    return std::string(text);
}

std::optional<std::string> currentDirectoryWithSeparator() {
    std::vector<char> buffer(256);
    for (;;) {
        if (getcwd(buffer.data(), buffer.size()))
            return std::string(buffer.data()) + "/";
        if (errno != ERANGE)
            return std::nullopt;
        buffer.resize(buffer.size() * 2);
    }
}

} // namespace platform
