#include "scan/tree/LibraryGit.h"

#include "platform/DirectoryListing.h"
#include "scan/tree/GitError.h"
#include "scan/tree/GitMessages.h"

#include <algorithm>
#include <cstdlib>
#include <git2.h>
#include <vector>

namespace scan::tree {

namespace {

std::string lastGitError() {
    const git_error* const error = git_error_last();
    return error && error->message ? error->message : "";
}

/// Owns one object of the library and frees it with the library's own function.
template <class T, void (*Free)(T*)> class Owned {
  public:
    Owned() = default;
    Owned(const Owned&) = delete;
    Owned& operator=(const Owned&) = delete;
    ~Owned() {
        if (object_)
            Free(object_);
    }
    T** out() { return &object_; }
    T* get() const { return object_; }

  private:
    T* object_ = nullptr;
};

using Repository = Owned<git_repository, git_repository_free>;
using Index = Owned<git_index, git_index_free>;
using Object = Owned<git_object, git_object_free>;
using Diff = Owned<git_diff, git_diff_free>;

std::string withoutTrailingSlash(std::string path) {
    while (path.size() > 1 && path.back() == '/')
        path.pop_back();
    return path;
}

std::string canonicalOr(const std::string& path) {
    const auto canonical = platform::canonicalPath(path);
    return canonical ? *canonical : withoutTrailingSlash(path);
}

/// Opens the repository whose work tree holds the folder; false and the reason when there
/// is none. Throws GitError when the library fails otherwise.
bool openWorkTree(Repository& repository, const std::string& folder, unsigned flags,
                  std::string& whyNot) {
    git_error_clear();
    const char* const ceilings = std::getenv("GIT_CEILING_DIRECTORIES");
    const int error = git_repository_open_ext(repository.out(), folder.c_str(), flags, ceilings);
    if (error == GIT_ENOTFOUND) {
        whyNot = lastGitError();
        return false;
    }
    if (error < 0)
        throw GitError(withReason("git cannot open the repository at " + folder, lastGitError()));
    if (git_repository_is_bare(repository.get())) {
        whyNot = "the repository has no work tree";
        return false;
    }
    return true;
}

/// The paths the index tracks, sorted by bytes.
std::vector<std::string> trackedPaths(git_repository* repository) {
    Index index;
    if (git_repository_index(index.out(), repository) < 0)
        throw GitError(withReason("git cannot read the index", lastGitError()));
    std::vector<std::string> paths;
    const std::size_t count = git_index_entrycount(index.get());
    paths.reserve(count);
    for (std::size_t at = 0; at < count; ++at)
        paths.push_back(git_index_get_byindex(index.get(), at)->path);
    std::sort(paths.begin(), paths.end());
    paths.erase(std::unique(paths.begin(), paths.end()), paths.end());
    return paths;
}

class LibraryIgnoreRules : public IgnoreRules {
  public:
    explicit LibraryIgnoreRules(const std::string& workTree) {
        std::string whyNot;
        if (!openWorkTree(repository_, workTree, GIT_REPOSITORY_OPEN_NO_SEARCH, whyNot))
            throw GitError(withReason(workTree + " is not the top of a git work tree", whyNot));
        tracked_ = trackedPaths(repository_.get());
    }

    bool leavesOut(const std::string& path, bool isFolder) override {
        // What git tracks is never left out, and asking the index first spares the rules,
        // which cost the library a look at every ignore file on the path: in a fresh clone
        // no rule is asked at all.
        if (isFolder ? holdsTracked(path) : isTracked(path))
            return false;
        return ruleIgnores(path, isFolder);
    }

    bool ignoresFolder(const std::string& path) override { return ruleIgnores(path, true); }

  private:
    /// The library looks at the folders a path lies in as well; a slash at the end tells it
    /// that the path is a folder.
    bool ruleIgnores(const std::string& path, bool isFolder) {
        int ignored = 0;
        const std::string asked = isFolder ? path + "/" : path;
        if (git_ignore_path_is_ignored(&ignored, repository_.get(), asked.c_str()) < 0)
            return false;
        return ignored != 0;
    }

    bool isTracked(const std::string& path) const {
        return std::binary_search(tracked_.begin(), tracked_.end(), path);
    }

    /// Whether the folder is tracked itself (a submodule) or holds a tracked path.
    bool holdsTracked(const std::string& folder) const {
        const std::string prefix = folder + "/";
        const auto next = std::lower_bound(tracked_.begin(), tracked_.end(), folder);
        if (next != tracked_.end() && *next == folder)
            return true;
        const auto inside = std::lower_bound(next, tracked_.end(), prefix);
        return inside != tracked_.end() && inside->compare(0, prefix.size(), prefix) == 0;
    }

    Repository repository_;
    std::vector<std::string> tracked_;
};

struct DiffCollector {
    ChangedLines* changes;
};

int onFile(const git_diff_delta* delta, float, void* payload) {
    auto& changes = *static_cast<DiffCollector*>(payload)->changes;
    if (delta->status != GIT_DELTA_UNTRACKED)
        return 0;
    const std::string path = delta->new_file.path;
    if (!path.empty() && path.back() == '/') // another repository inside this one
        changes.addUntrackedFolder(path);
    else
        changes.linesOf(path).addWholeFile();
    return 0;
}

int onLine(const git_diff_delta* delta, const git_diff_hunk*, const git_diff_line* line,
           void* payload) {
    if (line->origin != GIT_DIFF_LINE_ADDITION || line->new_lineno <= 0)
        return 0;
    auto& changes = *static_cast<DiffCollector*>(payload)->changes;
    const auto number = static_cast<std::size_t>(line->new_lineno);
    changes.linesOf(delta->new_file.path).add(number, number);
    return 0;
}

class LibraryGit : public Git {
  public:
    LibraryGit() { git_libgit2_init(); }
    ~LibraryGit() override { git_libgit2_shutdown(); }

    std::optional<std::string> workTreeOf(const std::string& folder) override {
        Repository repository;
        std::string whyNot;
        if (!openWorkTree(repository, folder, 0, whyNot))
            return std::nullopt;
        return canonicalOr(git_repository_workdir(repository.get()));
    }

    std::unique_ptr<IgnoreRules> ignoreRules(const std::string& workTree) override {
        return std::make_unique<LibraryIgnoreRules>(workTree);
    }

    ChangedLines changedLines(const std::string& folder, const std::string& revision) override {
        Repository repository;
        std::string whyNot;
        bool found = false;
        try {
            found = openWorkTree(repository, folder, 0, whyNot);
        } catch (const GitError&) {
            whyNot = lastGitError();
        }
        if (!found)
            throw GitError(notInWorkTreeMessage(folder, whyNot));

        Object named;
        Object tree;
        if (git_revparse_single(named.out(), repository.get(), revision.c_str()) < 0 ||
            git_object_peel(tree.out(), named.get(), GIT_OBJECT_TREE) < 0)
            throw GitError(unknownRevisionMessage(revision, lastGitError()));

        git_diff_options options = GIT_DIFF_OPTIONS_INIT;
        options.flags = GIT_DIFF_INCLUDE_UNTRACKED | GIT_DIFF_RECURSE_UNTRACKED_DIRS |
                        GIT_DIFF_INDENT_HEURISTIC;
        options.context_lines = 0;
        options.interhunk_lines = 0;
        Diff diff;
        if (git_diff_tree_to_workdir_with_index(diff.out(), repository.get(),
                                                reinterpret_cast<git_tree*>(tree.get()),
                                                &options) < 0)
            throw GitError(
                withReason("git cannot compare the work tree with " + revision, lastGitError()));
        git_diff_find_options findOptions = GIT_DIFF_FIND_OPTIONS_INIT;
        findOptions.flags = GIT_DIFF_FIND_RENAMES;
        if (git_diff_find_similar(diff.get(), &findOptions) < 0)
            throw GitError(withReason("git cannot find renamed files", lastGitError()));

        ChangedLines changes(canonicalOr(git_repository_workdir(repository.get())));
        DiffCollector collector{&changes};
        if (git_diff_foreach(diff.get(), onFile, nullptr, nullptr, onLine, &collector) < 0)
            throw GitError(
                withReason("git cannot compare the work tree with " + revision, lastGitError()));
        return changes;
    }
};

} // namespace

std::unique_ptr<Git> makeLibraryGit() {
    return std::make_unique<LibraryGit>();
}

} // namespace scan::tree
