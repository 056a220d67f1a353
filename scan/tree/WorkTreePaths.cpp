#include "scan/tree/WorkTreePaths.h"

#include "platform/DirectoryListing.h"
#include "scan/tree/PathNames.h"

#include <algorithm>
#include <utility>

namespace scan::tree {

namespace {

/// Splits a name into its folder ("." when it has none) and its last name.
std::pair<std::string, std::string> splitName(const std::string& fileName) {
    std::size_t at = fileName.size();
    while (at > 0 && !platform::isPathSeparator(fileName[at - 1]))
        --at;
    if (at == 0)
        return {".", fileName};
    const std::string folder = fileName.substr(0, at);
    return {folder, fileName.substr(at)};
}

} // namespace

std::optional<std::string> WorkTreePaths::pathOf(const std::string& fileName) {
    const auto [folder, name] = splitName(fileName);
    if (name.empty())
        return std::nullopt;
    auto known = folders_.find(folder);
    if (known == folders_.end()) {
        std::optional<std::string> below;
        if (const auto canonical = platform::canonicalPath(folder)) {
            std::string path = *canonical;
            std::string top = workTree_;
            if (path == top) {
                below = std::string();
            } else {
                if (top.empty() || !platform::isPathSeparator(top.back()))
                    top += platform::kPathSeparator;
                if (path.compare(0, top.size(), top) == 0) {
                    path.erase(0, top.size());
                    std::replace_if(path.begin(), path.end(), platform::isPathSeparator, '/');
                    below = path;
                }
            }
        }
        known = folders_.emplace(folder, below).first;
    }
    if (!known->second)
        return std::nullopt;
    return joinRelative(*known->second, name);
}

} // namespace scan::tree
