#pragma once

#include <string>

namespace scan::tree {

/// What git leaves out of one work tree: .gitignore files at every level, the repository's
/// info/exclude and the user's excludes file, never what git tracks. Paths are relative to
/// the work tree's top, with '/' between names and none at the end.
class IgnoreRules {
  public:
    virtual ~IgnoreRules() = default;

    /// Whether git leaves the path out: a file that a rule ignores (itself, or a folder it
    /// lies in) and that git does not track; a folder that a rule ignores and that holds
    /// nothing git tracks, so that nothing in it needs to be looked at. A symbolic link is
    /// asked as a file, as git sees it. The walk asks for a folder before anything in it
    /// and never for anything in a folder left out.
    virtual bool leavesOut(const std::string& path, bool isFolder) = 0;

    /// Whether a rule ignores the folder or a folder it lies in, whatever git tracks in it.
    virtual bool ignoresFolder(const std::string& path) = 0;
};

} // namespace scan::tree
