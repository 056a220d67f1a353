#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace lsp {

enum class PathStyle { kPosix, kWindows };

#ifdef _WIN32
constexpr PathStyle kNativePathStyle = PathStyle::kWindows;
#else
constexpr PathStyle kNativePathStyle = PathStyle::kPosix;
#endif

/// The file name a "file:" URI stands for, its percent escapes decoded, with '/' between
/// names; nullopt for other schemes. In Windows style "file:///c%3A/src" is "c:/src" and a
/// host gives a UNC name ("//server/share"); in POSIX style a host is left out.
std::optional<std::string> pathOfUri(std::string_view uri, PathStyle style = kNativePathStyle);

/// The "file:" URI of an absolute file name, with every byte but letters, digits, "-._~/"
/// and a drive letter's colon percent-encoded.
std::string uriOfPath(std::string_view path, PathStyle style = kNativePathStyle);

/// The path of `path` inside `folder` ("src/A.java"), or nullopt when it is not inside it.
std::optional<std::string> pathInside(const std::string& folder, const std::string& path);

} // namespace lsp
