#include "platform/DirectoryListing.h"
#include "platform/GrowingBuffer.h"

#include <windows.h>

namespace platform {

const char kPathSeparator = '\\';

bool isPathSeparator(char byte) {
    return byte == '/' || byte == '\\';
}

namespace {

/// Symbolic links and junctions are links; other reparse points (placeholders of cloud
/// storage, deduplicated files) are what their attributes say.
bool isLinkTag(DWORD reparseTag) {
    return reparseTag == IO_REPARSE_TAG_SYMLINK || reparseTag == IO_REPARSE_TAG_MOUNT_POINT;
}

EntryKind kindOfAttributes(DWORD attributes, DWORD reparseTag) {
    if ((attributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0 && isLinkTag(reparseTag))
        return EntryKind::SymbolicLink;
    if ((attributes & FILE_ATTRIBUTE_DIRECTORY) != 0)
        return EntryKind::Folder;
    if ((attributes & FILE_ATTRIBUTE_DEVICE) != 0)
        return EntryKind::Other;
    return EntryKind::RegularFile;
}

std::string withSeparator(const std::string& folder) {
    if (!folder.empty() && isPathSeparator(folder.back()))
        return folder;
    return folder + "\\";
}

/// The reparse tag of a link, read from the link itself.
DWORD reparseTagOf(const std::string& path) {
    WIN32_FIND_DATAA data;
    const HANDLE search = FindFirstFileA(path.c_str(), &data);
    if (search == INVALID_HANDLE_VALUE)
        return 0;
    FindClose(search);
    return (data.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0 ? data.dwReserved0 : 0;
}

} // namespace

std::optional<std::vector<DirectoryEntry>> listDirectory(const std::string& folder) {
    WIN32_FIND_DATAA data;
    const std::string pattern = withSeparator(folder) + "*";
    const HANDLE search = FindFirstFileExA(pattern.c_str(), FindExInfoBasic, &data,
                                           FindExSearchNameMatch, nullptr, 0);
    if (search == INVALID_HANDLE_VALUE)
        return std::nullopt;
    std::vector<DirectoryEntry> entries;
    do {
        const std::string name = data.cFileName;
        if (name == "." || name == "..")
            continue;
        entries.push_back({name, kindOfAttributes(data.dwFileAttributes, data.dwReserved0)});
    } while (FindNextFileA(search, &data));
    const DWORD error = GetLastError();
    FindClose(search);
    if (error != ERROR_NO_MORE_FILES) {
        SetLastError(error);
        return std::nullopt;
    }
    return entries;
}

std::optional<PathStatus> pathStatus(const std::string& path, bool followLink) {
    // Backup semantics open folders as well as files; no access right is needed to read
    // the attributes.
    DWORD flags = FILE_FLAG_BACKUP_SEMANTICS;
    if (!followLink)
        flags |= FILE_FLAG_OPEN_REPARSE_POINT;
    const HANDLE file =
        CreateFileA(path.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                    nullptr, OPEN_EXISTING, flags, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return std::nullopt;
    BY_HANDLE_FILE_INFORMATION information;
    const BOOL known = GetFileInformationByHandle(file, &information);
    const DWORD error = GetLastError();
    const DWORD fileType = GetFileType(file);
    CloseHandle(file);
    if (!known) {
        SetLastError(error);
        return std::nullopt;
    }
    PathStatus result;
    DWORD reparseTag = 0;
    if (!followLink && (information.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0)
        reparseTag = reparseTagOf(path);
    result.kind = kindOfAttributes(information.dwFileAttributes, reparseTag);
    if (result.kind == EntryKind::RegularFile && fileType == FILE_TYPE_CHAR)
        result.kind = EntryKind::Other;
    result.identity.device = information.dwVolumeSerialNumber;
    result.identity.node =
        (static_cast<std::uint64_t>(information.nFileIndexHigh) << 32) | information.nFileIndexLow;
    return result;
}

std::optional<std::string> canonicalPath(const std::string& path) {
    const HANDLE file =
        CreateFileA(path.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                    nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return std::nullopt;
    const auto finalPath = queryIntoGrowingBuffer([file](char* buffer, std::size_t size) {
        return static_cast<std::size_t>(GetFinalPathNameByHandleA(
            file, buffer, static_cast<DWORD>(size), FILE_NAME_NORMALIZED));
    });
    const DWORD error = GetLastError();
    CloseHandle(file);
    if (!finalPath) {
        SetLastError(error);
        return std::nullopt;
    }
    // "\\?\C:\folder" names C:\folder; "\\?\UNC\server\share" names \\server\share.
    const std::string& text = *finalPath;
    if (text.rfind("\\\\?\\UNC\\", 0) == 0)
        return "\\\\" + text.substr(8);
    if (text.rfind("\\\\?\\", 0) == 0)
        return text.substr(4);
    return text;
}

} // namespace platform
