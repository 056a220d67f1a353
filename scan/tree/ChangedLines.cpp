#include "scan/tree/ChangedLines.h"

#include <algorithm>

namespace scan::tree {

void NewLines::add(std::size_t first, std::size_t last) {
    if (last < first)
        return;
    // The ranges that overlap or touch the new one merge with it.
    auto from = std::lower_bound(
        ranges_.begin(), ranges_.end(), first,
        [](const LineRange& range, std::size_t line) { return range.last + 1 < line; });
    auto to = from;
    while (to != ranges_.end() && to->first <= last + 1) {
        first = std::min(first, to->first);
        last = std::max(last, to->last);
        ++to;
    }
    from = ranges_.erase(from, to);
    ranges_.insert(from, LineRange{first, last});
}

bool NewLines::contains(std::size_t line) const {
    if (wholeFile_)
        return true;
    const auto range = std::lower_bound(
        ranges_.begin(), ranges_.end(), line,
        [](const LineRange& candidate, std::size_t at) { return candidate.last < at; });
    return range != ranges_.end() && range->first <= line;
}

void ChangedLines::addUntrackedFolder(const std::string& path) {
    std::string folder = path;
    while (!folder.empty() && folder.back() == '/')
        folder.pop_back();
    untrackedFolders_.push_back(folder);
    wholeFile_.addWholeFile();
}

const NewLines* ChangedLines::find(const std::string& path) const {
    const auto file = files_.find(path);
    if (file != files_.end() && (file->second.isWholeFile() || !file->second.ranges().empty()))
        return &file->second;
    for (const std::string& folder : untrackedFolders_) {
        if (path.size() > folder.size() && path.compare(0, folder.size(), folder) == 0 &&
            path[folder.size()] == '/')
            return &wholeFile_;
    }
    return nullptr;
}

} // namespace scan::tree
