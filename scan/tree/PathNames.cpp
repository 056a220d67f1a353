#include "scan/tree/PathNames.h"

#include "platform/DirectoryListing.h"

#include <vector>

namespace scan::tree {

namespace {

const char kJavaExtension[] = ".java";

bool isCurrentFolder(const std::string& root) {
    return root == "." ||
           (root.size() == 2 && root[0] == '.' && platform::isPathSeparator(root[1]));
}

/// The part of an absolute path that names its root: "/", or on Windows a drive ("C:"),
/// "C:\" or the "\\server\share" of a network path.
std::size_t rootLength(const std::string& path) {
    if (path.size() >= 2 && path[1] == ':' && platform::kPathSeparator == '\\')
        return path.size() >= 3 && platform::isPathSeparator(path[2]) ? 3 : 2;
    if (path.size() >= 2 && platform::isPathSeparator(path[0]) &&
        platform::isPathSeparator(path[1]) && platform::kPathSeparator == '\\') {
        // \\server\share: the root runs to the end of the share's name.
        std::size_t at = path.find_first_of("\\/", 2);
        if (at == std::string::npos)
            return path.size();
        at = path.find_first_of("\\/", at + 1);
        return at == std::string::npos ? path.size() : at;
    }
    if (!path.empty() && platform::isPathSeparator(path[0]))
        return 1;
    return 0;
}

std::vector<std::string> namesOf(const std::string& path, std::size_t from) {
    std::vector<std::string> names;
    std::string name;
    for (std::size_t at = from; at <= path.size(); ++at) {
        if (at == path.size() || platform::isPathSeparator(path[at])) {
            if (name == "..") {
                if (!names.empty())
                    names.pop_back();
            } else if (!name.empty() && name != ".") {
                names.push_back(name);
            }
            name.clear();
        } else {
            name += path[at];
        }
    }
    return names;
}

} // namespace

bool hasJavaExtension(const std::string& name) {
    const std::size_t length = sizeof kJavaExtension - 1;
    return name.size() >= length && name.compare(name.size() - length, length, kJavaExtension) == 0;
}

std::string joinName(const std::string& root, const std::string& relative) {
    std::string name;
    if (!isCurrentFolder(root)) {
        name = root;
        if (!relative.empty() && !name.empty() && !platform::isPathSeparator(name.back()))
            name += platform::kPathSeparator;
    }
    for (const char byte : relative)
        name += byte == '/' ? platform::kPathSeparator : byte;
    return name.empty() ? root : name;
}

std::string lexicallyAbsolute(const std::string& path, const std::string& currentFolder) {
    const std::string absolute = rootLength(path) > 0 ? path : currentFolder + "/" + path;
    const std::size_t root = rootLength(absolute);
    std::string result = absolute.substr(0, root);
    bool first = true;
    for (const std::string& name : namesOf(absolute, root)) {
        if (!first || (!result.empty() && !platform::isPathSeparator(result.back())))
            result += '/';
        result += name;
        first = false;
    }
    return result;
}

std::string relativePath(const std::string& path, const std::string& folder,
                         const std::string& currentFolder) {
    const std::string absolutePath = lexicallyAbsolute(path, currentFolder);
    const std::string absoluteFolder = lexicallyAbsolute(folder, currentFolder);
    const std::size_t pathRoot = rootLength(absolutePath);
    const std::size_t folderRoot = rootLength(absoluteFolder);
    if (absolutePath.compare(0, pathRoot, absoluteFolder, 0, folderRoot) != 0)
        return absolutePath; // another drive: no relative path leads there
    const std::vector<std::string> pathNames = namesOf(absolutePath, pathRoot);
    const std::vector<std::string> folderNames = namesOf(absoluteFolder, folderRoot);
    std::size_t shared = 0;
    while (shared < pathNames.size() && shared < folderNames.size() &&
           pathNames[shared] == folderNames[shared])
        ++shared;
    std::string result;
    for (std::size_t up = shared; up < folderNames.size(); ++up)
        result = joinRelative(result, "..");
    for (std::size_t down = shared; down < pathNames.size(); ++down)
        result = joinRelative(result, pathNames[down]);
    return result;
}

std::string joinRelative(const std::string& first, const std::string& second) {
    if (first.empty())
        return second;
    if (second.empty())
        return first;
    return first + "/" + second;
}

} // namespace scan::tree
