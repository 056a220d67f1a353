#include "lsp/FileUri.h"

namespace lsp {
namespace {

int hexDigit(char c) {
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

/// Percent escapes decoded; a '%' that starts none stays as it is.
std::string percentDecoded(std::string_view text) {
    std::string decoded;
    decoded.reserve(text.size());
    for (std::size_t at = 0; at < text.size(); ++at) {
        if (text[at] == '%' && at + 2 < text.size()) {
            const int high = hexDigit(text[at + 1]);
            const int low = hexDigit(text[at + 2]);
            if (high >= 0 && low >= 0) {
                decoded += static_cast<char>(high * 16 + low);
                at += 2;
                continue;
            }
        }
        decoded += text[at];
    }
    return decoded;
}

bool startsWithIgnoringCase(std::string_view text, std::string_view prefix) {
    if (text.size() < prefix.size())
        return false;
    for (std::size_t i = 0; i < prefix.size(); ++i) {
        char c = text[i];
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
        if (c != prefix[i])
            return false;
    }
    return true;
}

bool isDriveLetter(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

} // namespace

std::optional<std::string> pathOfUri(std::string_view uri, PathStyle style) {
    static constexpr std::string_view kScheme = "file://";
    if (!startsWithIgnoringCase(uri, kScheme))
        return std::nullopt;
    uri.remove_prefix(kScheme.size());
    const std::size_t end = uri.find_first_of("?#");
    if (end != std::string_view::npos)
        uri = uri.substr(0, end);
    const std::size_t slash = uri.find('/');
    const std::string_view host = uri.substr(0, slash);
    const std::string path =
        percentDecoded(slash == std::string_view::npos ? std::string_view() : uri.substr(slash));
    if (style == PathStyle::kPosix)
        return path.empty() ? "/" : path;
    std::string windowsPath = path;
    if (windowsPath.size() >= 3 && windowsPath[0] == '/' && isDriveLetter(windowsPath[1]) &&
        windowsPath[2] == ':')
        windowsPath.erase(0, 1);
    if (!host.empty() && !(host.size() == 9 && startsWithIgnoringCase(host, "localhost")))
        windowsPath = "//" + percentDecoded(host) + windowsPath;
    for (char& c : windowsPath) {
        if (c == '\\')
            c = '/';
    }
    return windowsPath;
}

std::string uriOfPath(std::string_view path, PathStyle style) {
    static constexpr char kHex[] = "0123456789ABCDEF";
    std::string normal(path);
    if (style == PathStyle::kWindows) {
        for (char& c : normal) {
            if (c == '\\')
                c = '/';
        }
        if (normal.size() >= 2 && isDriveLetter(normal[0]) && normal[1] == ':')
            normal.insert(0, "/");
    }
    std::string uri = "file://";
    for (std::size_t at = 0; at < normal.size(); ++at) {
        const auto byte = static_cast<unsigned char>(normal[at]);
        const bool driveColon = style == PathStyle::kWindows && at == 2 && byte == ':';
        if ((byte >= 'a' && byte <= 'z') || (byte >= 'A' && byte <= 'Z') ||
            (byte >= '0' && byte <= '9') || byte == '-' || byte == '.' || byte == '_' ||
            byte == '~' || byte == '/' || driveColon) {
            uri += static_cast<char>(byte);
        } else {
            uri += '%';
            uri += kHex[byte >> 4];
            uri += kHex[byte & 15];
        }
    }
    return uri;
}

std::optional<std::string> pathInside(const std::string& folder, const std::string& path) {
    std::string prefix = folder;
    while (prefix.size() > 1 && prefix.back() == '/')
        prefix.pop_back();
    if (prefix == "/")
        prefix.clear();
    if (path.size() <= prefix.size() + 1 || path.compare(0, prefix.size(), prefix) != 0 ||
        path[prefix.size()] != '/')
        return std::nullopt;
    return path.substr(prefix.size() + 1);
}

} // namespace lsp
