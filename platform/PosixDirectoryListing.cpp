#include "platform/DirectoryListing.h"

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <dirent.h>
#include <sys/stat.h>

namespace platform {

const char kPathSeparator = '/';

bool isPathSeparator(char byte) {
    return byte == '/';
}

namespace {

EntryKind kindOfMode(mode_t mode) {
    if (S_ISREG(mode))
        return EntryKind::RegularFile;
    if (S_ISDIR(mode))
        return EntryKind::Folder;
    if (S_ISLNK(mode))
        return EntryKind::SymbolicLink;
    return EntryKind::Other;
}

EntryKind kindOfDirent(const dirent& entry) {
#ifdef _DIRENT_HAVE_D_TYPE
    switch (entry.d_type) {
    case DT_REG:
        return EntryKind::RegularFile;
    case DT_DIR:
        return EntryKind::Folder;
    case DT_LNK:
        return EntryKind::SymbolicLink;
    case DT_UNKNOWN:
        return EntryKind::Unknown;
    default:
        return EntryKind::Other;
    }
#else
    (void)entry;
    return EntryKind::Unknown;
#endif
}

} // namespace

std::optional<std::vector<DirectoryEntry>> listDirectory(const std::string& folder) {
    DIR* const directory = opendir(folder.c_str());
    if (!directory)
        return std::nullopt;
    std::vector<DirectoryEntry> entries;
    for (;;) {
        errno = 0;
        const dirent* const entry = readdir(directory);
        if (!entry)
            break;
        const std::string name = entry->d_name;
        if (name == "." || name == "..")
            continue;
        entries.push_back({name, kindOfDirent(*entry)});
    }
    const int readError = errno;
    closedir(directory);
    if (readError != 0) {
        errno = readError;
        return std::nullopt;
    }
    return entries;
}

std::optional<PathStatus> pathStatus(const std::string& path, bool followLink) {
    struct stat status {};
    if ((followLink ? stat(path.c_str(), &status) : lstat(path.c_str(), &status)) != 0)
        return std::nullopt;
    PathStatus result;
    result.kind = kindOfMode(status.st_mode);
    result.identity.device = static_cast<std::uint64_t>(status.st_dev);
    result.identity.node = static_cast<std::uint64_t>(status.st_ino);
    return result;
}

std::optional<std::string> canonicalPath(const std::string& path) {
    char* const resolved = realpath(path.c_str(), nullptr);
    if (!resolved)
        return std::nullopt;
    std::string result = resolved;
    std::free(resolved);
    return result;
}

} // namespace platform
