#pragma once

#include <map>
#include <optional>
#include <string>

namespace scan::tree {

/// Turns the names the walk gives into paths relative to one work tree's top, as git names
/// its files ('/' between names), to look them up in ChangedLines. A file's folder is
/// resolved by the system, links and all; its own name is kept, so a link to a file is
/// looked up under the link's name, as git tracks it.
class WorkTreePaths {
  public:
    /// `workTree`: the top folder with every link resolved (ChangedLines::workTree()).
    explicit WorkTreePaths(std::string workTree) : workTree_(std::move(workTree)) {}

    /// The file's path in the work tree, or nullopt when it lies outside it or its folder
    /// cannot be resolved.
    std::optional<std::string> pathOf(const std::string& fileName);

  private:
    std::string workTree_;
    std::map<std::string, std::optional<std::string>> folders_; ///< resolved once each
};

} // namespace scan::tree
