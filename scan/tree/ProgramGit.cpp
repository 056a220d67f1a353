#include "platform/DirectoryListing.h"
#include "platform/Platform.h"
#include "platform/ProcessRunner.h"
#include "scan/tree/Git.h"
#include "scan/tree/GitError.h"
#include "scan/tree/GitMessages.h"
#include "scan/tree/UnifiedDiff.h"

#include <unordered_set>
#include <utility>
#include <vector>

namespace scan::tree {

namespace {

/// What would make git look at another repository than the folder's, or speak another
/// language than the one its messages are recognised in.
const std::vector<std::string> kUnsetVariables = {"GIT_DIR",
                                                  "GIT_WORK_TREE",
                                                  "GIT_INDEX_FILE",
                                                  "GIT_OBJECT_DIRECTORY",
                                                  "GIT_ALTERNATE_OBJECT_DIRECTORIES",
                                                  "GIT_COMMON_DIR",
                                                  "GIT_NAMESPACE",
                                                  "GIT_PREFIX",
                                                  "LANGUAGE",
                                                  "LC_ALL",
                                                  "LC_MESSAGES",
                                                  "LANG"};

const char kNotARepository[] = "not a git repository";
const char kNoWorkTree[] = "must be run in a work tree";

/// git's message without "fatal: " and the line ends, its lines joined by "; ".
std::string reasonOf(const std::string& errorOutput) {
    std::string reason;
    std::size_t lineStart = 0;
    while (lineStart < errorOutput.size()) {
        std::size_t lineEnd = errorOutput.find('\n', lineStart);
        if (lineEnd == std::string::npos)
            lineEnd = errorOutput.size();
        std::string line = errorOutput.substr(lineStart, lineEnd - lineStart);
        lineStart = lineEnd + 1;
        while (!line.empty() && (line.back() == '\r' || line.back() == ' '))
            line.pop_back();
        for (const char* prefix : {"fatal: ", "error: "}) {
            if (line.rfind(prefix, 0) == 0)
                line.erase(0, std::char_traits<char>::length(prefix));
        }
        if (line.empty())
            continue;
        reason += reason.empty() ? line : "; " + line;
    }
    return reason;
}

std::string trimmedLine(std::string text) {
    while (!text.empty() && (text.back() == '\n' || text.back() == '\r'))
        text.pop_back();
    return text;
}

std::string canonicalOr(const std::string& path) {
    const auto canonical = platform::canonicalPath(path);
    return canonical ? *canonical : path;
}

/// The entries of a list that git separates with zero bytes.
std::vector<std::string> zeroSeparated(const std::string& text) {
    std::vector<std::string> entries;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find('\0', start);
        if (end == std::string::npos)
            end = text.size();
        entries.push_back(text.substr(start, end - start));
        start = end + 1;
    }
    return entries;
}

class ProgramGit;

/// What `git ls-files --others --ignored --exclude-standard --directory` lists: the
/// untracked paths git ignores, a folder as a whole when nothing in it is tracked.
class ProgramIgnoreRules : public IgnoreRules {
  public:
    ProgramIgnoreRules(ProgramGit& git, std::string workTree, const std::string& listing)
        : git_(git), workTree_(std::move(workTree)) {
        for (std::string& path : zeroSeparated(listing))
            ignored_.insert(std::move(path));
    }

    bool leavesOut(const std::string& path, bool isFolder) override {
        // A symbolic link is listed as a file, a folder with a slash at the end.
        return ignored_.count(path) != 0 || (isFolder && ignored_.count(path + "/") != 0);
    }

    bool ignoresFolder(const std::string& path) override;

  private:
    ProgramGit& git_;
    std::string workTree_;
    std::unordered_set<std::string> ignored_;
};

class ProgramGit : public Git {
  public:
    explicit ProgramGit(std::string program) : program_(std::move(program)) {}

    /// Runs git with the arguments; throws GitError when it cannot be started.
    platform::ProcessOutcome run(const std::vector<std::string>& arguments) {
        std::vector<std::string> command{program_};
        command.insert(command.end(), arguments.begin(), arguments.end());
        const auto outcome = platform::runProgram(command, kUnsetVariables);
        if (!outcome) {
            const auto text = platform::systemErrorText(platform::lastErrorCode());
            throw GitError(withReason("cannot run " + program_, trimmedLine(text ? *text : "")));
        }
        return *outcome;
    }

    std::optional<std::string> workTreeOf(const std::string& folder) override {
        const auto outcome = run({"-C", folder, "rev-parse", "--show-toplevel"});
        if (outcome.exitStatus != 0) {
            if (outcome.errorOutput.find(kNotARepository) != std::string::npos ||
                outcome.errorOutput.find(kNoWorkTree) != std::string::npos)
                return std::nullopt;
            throw GitError(withReason("git cannot tell the work tree of " + folder,
                                      reasonOf(outcome.errorOutput)));
        }
        const std::string top = trimmedLine(outcome.output);
        if (top.empty()) // inside the repository's own folder
            return std::nullopt;
        return canonicalOr(top);
    }

    std::unique_ptr<IgnoreRules> ignoreRules(const std::string& workTree) override {
        const auto top = workTreeOf(workTree);
        if (!top || *top != canonicalOr(workTree))
            throw GitError(workTree + " is not the top of a git work tree");
        const auto listing = run({"-C", workTree, "ls-files", "-z", "--others", "--ignored",
                                  "--exclude-standard", "--directory"});
        if (listing.exitStatus != 0)
            throw GitError(withReason("git cannot list what it ignores in " + workTree,
                                      reasonOf(listing.errorOutput)));
        return std::make_unique<ProgramIgnoreRules>(*this, workTree, listing.output);
    }

    ChangedLines changedLines(const std::string& folder, const std::string& revision) override {
        std::optional<std::string> top;
        const auto probe = run({"-C", folder, "rev-parse", "--show-toplevel"});
        if (probe.exitStatus == 0)
            top = trimmedLine(probe.output);
        if (!top || top->empty())
            throw GitError(notInWorkTreeMessage(folder, reasonOf(probe.errorOutput)));

        // After --end-of-options a revision is never read as an option ("-p" is unknown),
        // and git diff is given the tree it names, not the revision.
        const auto resolved =
            run({"-C", *top, "rev-parse", "--verify", "--end-of-options", revision + "^{tree}"});
        if (resolved.exitStatus != 0)
            throw GitError(unknownRevisionMessage(revision, reasonOf(resolved.errorOutput)));
        const std::string tree = trimmedLine(resolved.output);

        ChangedLines changes(canonicalOr(*top));
        const auto patch =
            run({"-C", *top, "-c", "core.quotePath=false", "diff", "--no-ext-diff", "--no-textconv",
                 "--no-color", "--no-relative", "--diff-algorithm=myers", "--indent-heuristic",
                 "-U0", "-M", "--src-prefix=a/", "--dst-prefix=b/", tree, "--"});
        if (patch.exitStatus != 0)
            throw GitError(withReason("git cannot compare the work tree with " + revision,
                                      reasonOf(patch.errorOutput)));
        addDiffLines(patch.output, changes);

        const auto untracked =
            run({"-C", *top, "ls-files", "-z", "--others", "--exclude-standard"});
        if (untracked.exitStatus != 0)
            throw GitError(withReason("git cannot list the untracked files of " + *top,
                                      reasonOf(untracked.errorOutput)));
        for (const std::string& path : zeroSeparated(untracked.output)) {
            if (!path.empty() && path.back() == '/') // another repository inside this one
                changes.addUntrackedFolder(path);
            else
                changes.linesOf(path).addWholeFile();
        }
        return changes;
    }

  private:
    std::string program_;
};

bool ProgramIgnoreRules::ignoresFolder(const std::string& path) {
    // Asked once for each folder named on the command line: one more run of git is cheap.
    const auto outcome =
        git_.run({"-C", workTree_, "check-ignore", "-q", "--no-index", "--", path + "/"});
    return outcome.exitStatus == 0;
}

} // namespace

std::unique_ptr<Git> makeProgramGit(std::string program) {
    return std::make_unique<ProgramGit>(std::move(program));
}

} // namespace scan::tree
