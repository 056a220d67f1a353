#pragma once

#include "scan/tree/ChangedLines.h"
#include "scan/tree/IgnoreRules.h"

#include <memory>
#include <optional>
#include <string>

namespace scan::tree {

/// The questions the scan asks git. Two ways answer them: the git library where the build
/// has it, and the git program (on Windows, and for comparison).
class Git {
  public:
    virtual ~Git() = default;

    /// The top folder of the work tree that holds the folder, with every link resolved, or
    /// nullopt when the folder is in none (or only in a repository without a work tree).
    /// Throws GitError when git cannot tell.
    virtual std::optional<std::string> workTreeOf(const std::string& folder) = 0;

    /// What git leaves out of the work tree whose top is `workTree` (as workTreeOf gives
    /// it, or a folder holding ".git" inside another work tree). Throws GitError when the
    /// folder is no work tree's top or git fails.
    virtual std::unique_ptr<IgnoreRules> ignoreRules(const std::string& workTree) = 0;

    /// The lines new in the work tree holding `folder` since `revision`, as
    /// `git diff REVISION` with rename detection sees them, and the untracked files that
    /// git does not ignore, whole. Throws GitError outside a work tree ("not inside a git
    /// work tree: FOLDER") and for a revision git does not know ("unknown revision 'X'"),
    /// git's own reason following in parentheses where there is one.
    virtual ChangedLines changedLines(const std::string& folder, const std::string& revision) = 0;
};

/// The git program found on the PATH (or the one named), run once per question.
std::unique_ptr<Git> makeProgramGit(std::string program = "git");

/// The git library where the build has it, the program otherwise.
std::unique_ptr<Git> makeGit();

} // namespace scan::tree
