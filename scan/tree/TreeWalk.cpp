#include "scan/tree/TreeWalk.h"

#include "platform/DirectoryListing.h"
#include "platform/Platform.h"
#include "scan/tree/Git.h"
#include "scan/tree/GitError.h"
#include "scan/tree/PathNames.h"

#include <algorithm>
#include <map>
#include <memory>
#include <set>

namespace scan::tree {

namespace {

const char kGitFolder[] = ".git";

std::string lastErrorReason() {
    const int code = platform::lastErrorCode();
    std::string reason = platform::systemErrorText(code).value_or("error " + std::to_string(code));
    while (!reason.empty() &&
           (reason.back() == '\n' || reason.back() == '\r' || reason.back() == ' '))
        reason.pop_back();
    return reason;
}

std::string currentFolder() {
    std::string folder = platform::currentDirectoryWithSeparator().value_or("/");
    if (folder.size() > 1)
        folder.pop_back();
    return folder;
}

/// The ignore rules in force in a folder walked: those of the work tree it lies in (none
/// outside one), and the folder's path in that work tree.
struct GitPlace {
    IgnoreRules* rules = nullptr;
    std::string top;  ///< the work tree's top, links resolved; empty outside one
    std::string path; ///< '/' between names; empty at the top
};

/// A folder on the way from a named folder to the one being walked, kept to find loops
/// when links are followed.
struct Ancestor {
    platform::FileIdentity identity;
    std::string name;
    std::shared_ptr<const Ancestor> parent;
};

struct PendingFolder {
    std::string name;       ///< to open and print
    std::string filterPath; ///< as the filter sees it
    GitPlace place;
    std::shared_ptr<const Ancestor> ancestors; ///< this folder first; followed links only
};

/// `path` below `top` with '/' between names, or nullopt when it does not lie there.
std::optional<std::string> pathBelow(const std::string& path, const std::string& top) {
    if (path == top)
        return std::string();
    const bool topEndsInSeparator = !top.empty() && platform::isPathSeparator(top.back());
    const std::size_t skip = top.size() + (topEndsInSeparator ? 0 : 1);
    if (path.size() <= skip || path.compare(0, top.size(), top) != 0 ||
        (!topEndsInSeparator && !platform::isPathSeparator(path[top.size()])))
        return std::nullopt;
    std::string below = path.substr(skip);
    std::replace_if(below.begin(), below.end(), platform::isPathSeparator, '/');
    return below;
}

class Walker {
  public:
    Walker(const WalkOptions& options, Git* git)
        : options_(options), git_(options.gitIgnores ? git : nullptr),
          currentFolder_(currentFolder()) {}

    void walkNamed(const std::string& path);
    WalkResult finish();

  private:
    void walkFrom(PendingFolder root);
    void walkOne(const PendingFolder& folder, std::vector<PendingFolder>& pending);
    bool wanted(const std::string& filterPath, bool isFolder) const {
        return !options_.filter || options_.filter(filterPath, isFolder);
    }
    GitPlace placeOfNamedFolder(const std::string& name);
    GitPlace placeOfNestedRepository(const std::string& name);
    IgnoreRules* rulesOf(const std::string& top);
    void warn(const std::string& text);
    void addProblem(const std::string& path, const std::string& reason) {
        result_.problems.push_back({path, reason});
    }

    const WalkOptions& options_;
    Git* git_;
    std::string currentFolder_;
    std::map<std::string, std::unique_ptr<IgnoreRules>> rules_; ///< nullptr: could not be read
    std::set<std::string> warned_;
    WalkResult result_;
};

void Walker::warn(const std::string& text) {
    if (warned_.insert(text).second)
        result_.warnings.push_back(text);
}

IgnoreRules* Walker::rulesOf(const std::string& top) {
    const auto known = rules_.find(top);
    if (known != rules_.end())
        return known->second.get();
    std::unique_ptr<IgnoreRules> rules;
    try {
        rules = git_->ignoreRules(top);
    } catch (const GitError& error) {
        warn("git's ignore rules are not applied in " + top + ": " + error.getMessage());
    }
    return (rules_[top] = std::move(rules)).get();
}

GitPlace Walker::placeOfNamedFolder(const std::string& name) {
    if (!git_)
        return {};
    const auto canonical = platform::canonicalPath(name);
    if (!canonical)
        return {};
    std::optional<std::string> top;
    try {
        top = git_->workTreeOf(*canonical);
    } catch (const GitError& error) {
        // git that cannot tell where a work tree is cannot be asked anything else either.
        warn("git's ignore rules are not applied: " + error.getMessage());
        git_ = nullptr;
        return {};
    }
    if (!top)
        return {};
    const auto path = pathBelow(*canonical, *top);
    IgnoreRules* const rules = path ? rulesOf(*top) : nullptr;
    if (!rules)
        return {};
    // A folder named that git ignores is wanted all the same: it is walked without the rules
    // of the work tree that ignores it.
    if (!path->empty() && rules->ignoresFolder(*path))
        return {};
    return {rules, *top, *path};
}

GitPlace Walker::placeOfNestedRepository(const std::string& name) {
    const auto canonical = platform::canonicalPath(name);
    if (!canonical)
        return {};
    return {rulesOf(*canonical), *canonical, ""};
}

void Walker::walkNamed(const std::string& path) {
    const auto status = platform::pathStatus(path, true);
    if (!status) {
        addProblem(path, lastErrorReason());
        return;
    }
    const std::string filterPath = relativePath(path, options_.filterTop, currentFolder_);
    if (status->kind == platform::EntryKind::RegularFile) {
        if (options_.filterNamedFiles && !wanted(filterPath, false))
            ++result_.excludedFiles;
        else
            result_.files.push_back({path, filterPath});
        return;
    }
    if (status->kind != platform::EntryKind::Folder) {
        addProblem(path, platform::systemErrorText(platform::kNotARegularFile).value_or(""));
        return;
    }
    PendingFolder root{path, filterPath, placeOfNamedFolder(path), nullptr};
    if (options_.followLinks)
        root.ancestors =
            std::make_shared<const Ancestor>(Ancestor{status->identity, path, nullptr});
    walkFrom(std::move(root));
}

void Walker::walkFrom(PendingFolder root) {
    // A stack of its own, not the call stack: trees may be deep.
    std::vector<PendingFolder> pending;
    pending.push_back(std::move(root));
    while (!pending.empty()) {
        const PendingFolder folder = std::move(pending.back());
        pending.pop_back();
        walkOne(folder, pending);
    }
}

void Walker::walkOne(const PendingFolder& folder, std::vector<PendingFolder>& pending) {
    auto entries = platform::listDirectory(folder.name);
    if (!entries) {
        addProblem(folder.name, lastErrorReason());
        return;
    }
    GitPlace place = folder.place;
    const bool holdsGit =
        std::any_of(entries->begin(), entries->end(),
                    [](const platform::DirectoryEntry& entry) { return entry.name == kGitFolder; });
    // Another repository inside the one walked, or the first one met: its own rules hold in it.
    if (holdsGit && git_ && !(!place.top.empty() && place.path.empty()))
        place = placeOfNestedRepository(folder.name);

    for (const platform::DirectoryEntry& entry : *entries) {
        if (entry.name == kGitFolder)
            continue;
        const std::string name = joinName(folder.name, entry.name);
        platform::EntryKind kind = entry.kind;
        std::optional<platform::PathStatus> status;
        if (kind == platform::EntryKind::Unknown) {
            status = platform::pathStatus(name, false);
            if (!status) {
                addProblem(name, lastErrorReason());
                continue;
            }
            kind = status->kind;
        }
        const bool isLink = kind == platform::EntryKind::SymbolicLink;
        if (isLink) {
            if (!options_.followLinks)
                continue;
            status = platform::pathStatus(name, true);
            if (!status) {
                addProblem(name, lastErrorReason()); // a link that leads nowhere
                continue;
            }
            kind = status->kind;
        }
        const bool isFolder = kind == platform::EntryKind::Folder;
        if (!isFolder &&
            (kind != platform::EntryKind::RegularFile || !hasJavaExtension(entry.name)))
            continue;

        const std::string gitPath = joinRelative(place.path, entry.name);
        if (place.rules && place.rules->leavesOut(gitPath, isFolder && !isLink)) {
            ++(isFolder ? result_.ignoredFolders : result_.ignoredFiles);
            continue;
        }
        const std::string filterPath = joinRelative(folder.filterPath, entry.name);
        if (!wanted(filterPath, isFolder)) {
            ++(isFolder ? result_.excludedFolders : result_.excludedFiles);
            continue;
        }
        if (!isFolder) {
            result_.files.push_back({name, filterPath});
            continue;
        }

        PendingFolder next{name, filterPath, place, nullptr};
        next.place.path = gitPath;
        if (options_.followLinks) {
            if (!status)
                status = platform::pathStatus(name, true);
            if (!status) {
                addProblem(name, lastErrorReason());
                continue;
            }
            const Ancestor* loop = folder.ancestors.get();
            while (loop && loop->identity != status->identity)
                loop = loop->parent.get();
            if (loop) {
                addProblem(name, "file system loop: leads back to '" + loop->name + "'");
                continue;
            }
            next.ancestors = std::make_shared<const Ancestor>(
                Ancestor{status->identity, name, folder.ancestors});
        }
        pending.push_back(std::move(next));
    }
}

WalkResult Walker::finish() {
    auto& files = result_.files;
    std::sort(files.begin(), files.end(),
              [](const FoundFile& a, const FoundFile& b) { return a.name < b.name; });
    files.erase(
        std::unique(files.begin(), files.end(),
                    [](const FoundFile& a, const FoundFile& b) { return a.name == b.name; }),
        files.end());
    auto& problems = result_.problems;
    const auto byPath = [](const WalkProblem& a, const WalkProblem& b) {
        return a.path != b.path ? a.path < b.path : a.reason < b.reason;
    };
    std::sort(problems.begin(), problems.end(), byPath);
    problems.erase(std::unique(problems.begin(), problems.end(),
                               [](const WalkProblem& a, const WalkProblem& b) {
                                   return a.path == b.path && a.reason == b.reason;
                               }),
                   problems.end());
    return std::move(result_);
}

} // namespace

WalkResult walkTree(const std::vector<std::string>& paths, const WalkOptions& options, Git* git) {
    Walker walker(options, git);
    if (paths.empty())
        walker.walkNamed(".");
    for (const std::string& path : paths)
        walker.walkNamed(path);
    return walker.finish();
}

} // namespace scan::tree
