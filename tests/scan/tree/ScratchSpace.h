#pragma once

#include "scan/tree/Git.h"
#include "scan/tree/TreeWalk.h"

#include <functional>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

/// What the tests of the tree walk and of git share: throwaway folders, files of any bytes,
/// git run as a user runs it, and both ways of asking git.
namespace scan::tree::testing {

/// A fresh folder under the system's temporary folder, removed with all it holds.
class ScratchFolder {
  public:
    ScratchFolder();
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;
    ~ScratchFolder();

    const std::string& path() const { return path_; }
    /// The path of `relative` ('/' between names) inside the folder.
    std::string operator/(const std::string& relative) const { return path_ + "/" + relative; }

  private:
    std::string path_;
};

/// Writes the bytes to the file, making the folders on the way.
void writeFile(const std::string& path, const std::string& bytes);
/// Makes the folder and those on the way.
void makeFolders(const std::string& path);
/// A symbolic link at `link` holding `target`.
void makeLink(const std::string& target, const std::string& link);

/// Runs git in the folder; throws std::runtime_error with git's message when it fails.
std::string runGit(const std::string& folder, const std::vector<std::string>& arguments);
/// `git init` and a first commit of everything in the folder that git does not ignore.
void initRepository(const std::string& folder);
void commitAll(const std::string& folder, const std::string& message = "next");

/// The file names of a walk with `root` and the separator after it taken away, in order.
std::vector<std::string> namesBelow(const WalkResult& result, const std::string& root);

/// A way of asking git, by name, for tests that run with each.
struct GitKind {
    std::string name;
    std::function<std::unique_ptr<Git>()> make;
};
std::vector<GitKind> gitKinds();
/// Test names and failures show a way of asking git by its name.
inline void PrintTo(const GitKind& kind, std::ostream* out) {
    *out << kind.name;
}

/// The user's git configuration: the file global settings are written to.
std::string globalConfigFile();

} // namespace scan::tree::testing
