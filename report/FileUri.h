#pragma once

#include <string>
#include <string_view>

namespace report {

/// How the run that printed a file name wrote paths: the Windows build separates folders
/// with backslashes and starts absolute paths with a drive letter or two backslashes.
enum class PathStyle { kPosix, kWindows };

/// A file name as a URI reference: absolute names as "file:" URIs, other names as relative
/// references to be read against the folder the run started in. Every byte other than
/// letters, digits, "-._~" and the folder separators is percent-encoded, so any name gives a
/// valid URI.
struct FileUri {
    std::string text;
    bool relative;
};

FileUri fileUri(std::string_view fileName, PathStyle style);

} // namespace report
