#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <vector>

namespace scan::tree {

class Git;

/// The caller's choice about one path, true for wanted: `path` is relative to
/// WalkOptions::filterTop with '/' between names ("../" in front for what lies outside it);
/// a folder is asked, with isFolder true, before the walk enters it.
using PathFilter = std::function<bool(const std::string& path, bool isFolder)>;

struct WalkOptions {
    /// Follow symbolic links inside the folders walked (those named are always followed).
    bool followLinks = false;
    /// Leave out what git ignores, in git work trees.
    bool gitIgnores = true;
    /// What the caller wants; empty wants everything.
    PathFilter filter;
    /// The folder the filter's paths are relative to.
    std::string filterTop = ".";
    /// Ask the filter about files named on their own too (by default they are taken).
    bool filterNamedFiles = false;
};

/// A Java source found: the name to open and to print (the path as given joined with the
/// path below it), and its path relative to WalkOptions::filterTop as the filter saw it.
struct FoundFile {
    std::string name;
    std::string filterPath;
};

/// A path the walk could not read, and why (the system's words).
struct WalkProblem {
    std::string path;
    std::string reason;
};

struct WalkResult {
    std::vector<FoundFile> files;      ///< sorted by the bytes of their names, each once
    std::vector<WalkProblem> problems; ///< sorted by path
    std::vector<std::string> warnings; ///< where git's ignore rules could not be read
    std::size_t ignoredFiles = 0;      ///< Java sources git ignores
    std::size_t ignoredFolders = 0;    ///< folders git ignores, not entered
    std::size_t excludedFiles = 0;     ///< Java sources the filter did not want
    std::size_t excludedFolders = 0;   ///< folders the filter did not want, not entered
};

/// Finds the regular files whose names end in ".java" under the paths (folders walked
/// whole, files taken whatever their names), leaving out ".git" folders, what git ignores
/// (when `git` is given and options ask for it) and what the filter does not want.
WalkResult walkTree(const std::vector<std::string>& paths, const WalkOptions& options, Git* git);

} // namespace scan::tree
