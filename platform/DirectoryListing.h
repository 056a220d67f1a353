#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

/// Folders, file kinds and identities, as a walk of a source tree needs them; one
/// implementation per system.
namespace platform {

/// What a name stands for. A symbolic link (on Windows also a junction) is a kind of its own
/// when it is not followed.
enum class EntryKind { RegularFile, Folder, SymbolicLink, Other, Unknown };

/// One name in a folder and its kind as the listing tells it: Unknown when the listing does
/// not say, and pathStatus must be asked.
struct DirectoryEntry {
    std::string name;
    EntryKind kind = EntryKind::Unknown;
};

/// The entries of a folder in no particular order, without "." and "..", or nullopt when the
/// folder cannot be read (the reason is then in lastErrorCode()).
std::optional<std::vector<DirectoryEntry>> listDirectory(const std::string& folder);

/// What tells two names of one file or folder apart from names of others: device and inode
/// (the volume's serial number and the file index on Windows).
struct FileIdentity {
    std::uint64_t device = 0;
    std::uint64_t node = 0;

    bool operator==(const FileIdentity& other) const {
        return device == other.device && node == other.node;
    }
    bool operator!=(const FileIdentity& other) const { return !(*this == other); }
};

struct PathStatus {
    EntryKind kind = EntryKind::Unknown;
    FileIdentity identity;
};

/// The kind and identity of what a path names, of the link itself when the path ends in a
/// symbolic link and followLink is false; nullopt on failure (reason in lastErrorCode()).
std::optional<PathStatus> pathStatus(const std::string& path, bool followLink);

/// The absolute path with every symbolic link and "." or ".." resolved, or nullopt on
/// failure (reason in lastErrorCode()).
std::optional<std::string> canonicalPath(const std::string& path);

/// The separator the system prints between the names of a path.
extern const char kPathSeparator;

/// Whether the byte separates names in a path on this system ('/', and '\\' on Windows).
bool isPathSeparator(char byte);

} // namespace platform
