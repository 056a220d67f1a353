#pragma once

#include <cstddef>
#include <map>
#include <string>
#include <utility>
#include <vector>

namespace scan::tree {

/// Lines first to last, both included, counted from 1.
struct LineRange {
    std::size_t first = 0;
    std::size_t last = 0;

    bool operator==(const LineRange& other) const {
        return first == other.first && last == other.last;
    }
};

/// The lines of one file that are new: a set of lines kept as sorted ranges that neither
/// overlap nor touch, or the whole file.
class NewLines {
  public:
    /// Adds lines first to last (nothing when last < first).
    void add(std::size_t first, std::size_t last);
    /// Marks every line of the file as new.
    void addWholeFile() { wholeFile_ = true; }

    bool isWholeFile() const { return wholeFile_; }
    bool contains(std::size_t line) const;
    const std::vector<LineRange>& ranges() const { return ranges_; }

  private:
    std::vector<LineRange> ranges_;
    bool wholeFile_ = false;
};

/// What `git diff REVISION` shows of the work tree against the revision, as new lines per
/// file, with the files git does not track and does not ignore counted new as a whole.
/// Paths are relative to the work tree's top with '/' between names; a renamed file is
/// under its new name.
class ChangedLines {
  public:
    explicit ChangedLines(std::string workTree = {}) : workTree_(std::move(workTree)) {}

    /// The top folder of the work tree, with every link resolved.
    const std::string& workTree() const { return workTree_; }

    NewLines& linesOf(const std::string& path) { return files_[path]; }
    /// A folder git does not track as a whole (another repository inside this one): every
    /// file under it is new.
    void addUntrackedFolder(const std::string& path);

    /// The new lines of a file, or nullptr when none of its lines is new.
    const NewLines* find(const std::string& path) const;

    const std::map<std::string, NewLines>& files() const { return files_; }
    const std::vector<std::string>& untrackedFolders() const { return untrackedFolders_; }

  private:
    std::string workTree_;
    std::map<std::string, NewLines> files_;
    std::vector<std::string> untrackedFolders_;
    NewLines wholeFile_;
};

} // namespace scan::tree
