#pragma once

#include <cstdint>
#include <cstdio>
#include <optional>
#include <string>

/// What the program asks of the file system beyond the C runtime's streams, one
/// implementation per system.
namespace platform {

/// Which file a name or an open stream leads to. Two names of one file (hard links, a
/// symbolic link and the file it leads to) have the same identity. On Windows only files on
/// a disk have numbers to compare; pipes, consoles and devices there are all kOther, 0, 0.
struct FileIdentity {
    enum class Kind { kRegular, kDirectory, kOther };

    Kind kind;
    std::uint64_t volume;
    std::uint64_t file;

    bool isSameFileAs(const FileIdentity& other) const {
        return volume == other.volume && file == other.file;
    }
};

/// The identity of the file a name leads to, symbolic links followed; nullopt when there is
/// no such file or it cannot be examined.
std::optional<FileIdentity> identifyFile(const std::string& path);

/// The identity of an open stream's file; nullopt for a closed stream.
std::optional<FileIdentity> identifyOpenFile(std::FILE* stream);

/// The name of the file a symbolic link leads to, through any chain of links; any other name
/// (a dangling link included) as it is.
std::string followLinks(const std::string& path);

/// Creates a new, empty file and opens it for writing bytes. Fails, with nullptr and errno
/// set, when the name exists already, so that two writers never share a file.
std::FILE* createNewFile(const std::string& path);

/// Gives an open file the permission bits of the file `model`, where the system has such
/// bits and the model exists; nothing otherwise.
void copyPermissionBits(const std::string& model, std::FILE* stream);

/// Renames a file, replacing the file of the new name when there is one. Returns false on
/// failure, the reason then in lastErrorCode().
bool renameReplacing(const std::string& from, const std::string& to);

} // namespace platform
