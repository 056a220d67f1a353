#include "platform/FileSystem.h"

#include <fcntl.h>
#include <io.h>
#include <sys/stat.h>
#include <windows.h>

namespace platform {
namespace {
std::optional<FileIdentity> identityOf(HANDLE handle) {
    if (handle == INVALID_HANDLE_VALUE)
        return std::nullopt;
    if (GetFileType(handle) != FILE_TYPE_DISK) // a pipe, a console, NUL: no numbers to compare
        return FileIdentity{FileIdentity::Kind::kOther, 0, 0};
    BY_HANDLE_FILE_INFORMATION information{};
    if (!GetFileInformationByHandle(handle, &information))
        return std::nullopt;
    const FileIdentity::Kind kind = (information.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
                                        ? FileIdentity::Kind::kDirectory
                                        : FileIdentity::Kind::kRegular;
    return FileIdentity{kind, information.dwVolumeSerialNumber,
                        (static_cast<std::uint64_t>(information.nFileIndexHigh) << 32) |
                            information.nFileIndexLow};
}
} // namespace

std::optional<FileIdentity> identifyFile(const std::string& path) {
    // Opened for no access at all, only to ask; a folder needs the backup flag to be opened.
    const HANDLE handle =
        CreateFileA(path.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                    nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    if (handle == INVALID_HANDLE_VALUE)
        return std::nullopt;
    const std::optional<FileIdentity> identity = identityOf(handle);
    CloseHandle(handle);
    return identity;
}

std::optional<FileIdentity> identifyOpenFile(std::FILE* stream) {
    const int descriptor = _fileno(stream);
    if (descriptor < 0)
        return std::nullopt;
    return identityOf(reinterpret_cast<HANDLE>(_get_osfhandle(descriptor)));
}

std::string followLinks(const std::string& path) {
    return path; // links are rare on Windows; a replaced link becomes a file
}

std::FILE* createNewFile(const std::string& path) {
    const int descriptor =
        _open(path.c_str(), _O_WRONLY | _O_CREAT | _O_EXCL | _O_BINARY, _S_IREAD | _S_IWRITE);
    if (descriptor < 0)
        return nullptr;
    std::FILE* stream = _fdopen(descriptor, "wb");
    if (!stream)
        _close(descriptor);
    return stream;
}

void copyPermissionBits(const std::string&, std::FILE*) {}

bool renameReplacing(const std::string& from, const std::string& to) {
    return MoveFileExA(from.c_str(), to.c_str(), MOVEFILE_REPLACE_EXISTING) != 0;
}

} // namespace platform
