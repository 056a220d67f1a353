#include "platform/FileSystem.h"

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace platform {
namespace {
FileIdentity identityOf(const struct stat& status) {
    const FileIdentity::Kind kind = S_ISREG(status.st_mode)   ? FileIdentity::Kind::kRegular
                                    : S_ISDIR(status.st_mode) ? FileIdentity::Kind::kDirectory
                                                              : FileIdentity::Kind::kOther;
    return {kind, static_cast<std::uint64_t>(status.st_dev),
            static_cast<std::uint64_t>(status.st_ino)};
}
} // namespace

std::optional<FileIdentity> identifyFile(const std::string& path) {
    struct stat status {};
    if (stat(path.c_str(), &status) != 0)
        return std::nullopt;
    return identityOf(status);
}

std::optional<FileIdentity> identifyOpenFile(std::FILE* stream) {
    struct stat status {};
    if (fstat(fileno(stream), &status) != 0)
        return std::nullopt;
    return identityOf(status);
}

std::string followLinks(const std::string& path) {
    struct stat status {};
    if (lstat(path.c_str(), &status) != 0 || !S_ISLNK(status.st_mode))
        return path;
    char* resolved = realpath(path.c_str(), nullptr);
    if (!resolved)
        return path;
    std::string target(resolved);
    std::free(resolved);
    return target;
}

std::FILE* createNewFile(const std::string& path) {
    const int descriptor = open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (descriptor < 0)
        return nullptr;
    std::FILE* stream = fdopen(descriptor, "wb");
    if (!stream) {
        const int reason = errno;
        close(descriptor);
        errno = reason;
    }
    return stream;
}

void copyPermissionBits(const std::string& model, std::FILE* stream) {
    struct stat status {};
    if (stat(model.c_str(), &status) == 0)
        fchmod(fileno(stream), status.st_mode & 0777);
}

bool renameReplacing(const std::string& from, const std::string& to) {
    return std::rename(from.c_str(), to.c_str()) == 0;
}

} // namespace platform
