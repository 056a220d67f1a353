#include "report/FileUri.h"

namespace report {
namespace {
const char kHexDigits[] = "0123456789ABCDEF";

bool isUnreserved(unsigned char byte) {
    return (byte >= 'a' && byte <= 'z') || (byte >= 'A' && byte <= 'Z') ||
           (byte >= '0' && byte <= '9') || byte == '-' || byte == '.' || byte == '_' || byte == '~';
}

bool isLetter(char byte) {
    return (byte >= 'a' && byte <= 'z') || (byte >= 'A' && byte <= 'Z');
}

/// Appends a path with every byte but the unreserved ones and '/' percent-encoded.
void appendEncodedPath(std::string& uri, std::string_view path) {
    for (const char c : path) {
        const auto byte = static_cast<unsigned char>(c);
        if (isUnreserved(byte) || byte == '/') {
            uri.push_back(c);
        } else {
            uri.push_back('%');
            uri.push_back(kHexDigits[byte >> 4]);
            uri.push_back(kHexDigits[byte & 0xF]);
        }
    }
}

FileUri windowsFileUri(std::string_view fileName) {
    std::string path(fileName);
    for (char& c : path) {
        if (c == '\\')
            c = '/';
    }
    const std::string_view slashed = path;
    if (slashed.size() >= 2 && slashed[0] == '/' && slashed[1] == '/') {
        // \\server\share\...: the server is the URI's host.
        std::string uri = "file:";
        appendEncodedPath(uri, slashed);
        return {uri, false};
    }
    if (slashed.size() >= 3 && isLetter(slashed[0]) && slashed[1] == ':' && slashed[2] == '/') {
        std::string uri = "file:///";
        uri.append(slashed.substr(0, 2)); // the drive, its colon kept as URIs write it
        appendEncodedPath(uri, slashed.substr(2));
        return {uri, false};
    }
    if (!slashed.empty() && slashed[0] == '/') {
        // The root of the current drive: without the drive, the best is the root of a URI.
        std::string uri = "file://";
        appendEncodedPath(uri, slashed);
        return {uri, false};
    }
    std::string uri;
    appendEncodedPath(uri, slashed);
    return {uri, true};
}
} // namespace

FileUri fileUri(std::string_view fileName, PathStyle style) {
    if (style == PathStyle::kWindows)
        return windowsFileUri(fileName);
    std::string uri;
    if (!fileName.empty() && fileName[0] == '/') {
        uri = "file://";
        appendEncodedPath(uri, fileName);
        return {uri, false};
    }
    appendEncodedPath(uri, fileName);
    return {uri, true};
}

} // namespace report
