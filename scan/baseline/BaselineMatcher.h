#pragma once

#include "scan/baseline/Baseline.h"
#include "scan/baseline/DefectKey.h"

#include <cstddef>
#include <cstdint>
#include <map>
#include <string>
#include <unordered_map>
#include <utility>
#include <vector>

namespace scan::baseline {

/// Tells, file by file, which defects a baseline holds. Each entry is taken by at most one
/// defect, so a key recorded n times lets n defects through. When a file has more defects of
/// one key than were recorded, those whose context (the lines above them) matches a recorded
/// one's are taken first, then the rest in line order; the defects left over are new. A
/// defect whose own line changed has another key and is new; so are all of a renamed file's
/// defects, since the path is part of the key.
class BaselineMatcher {
  public:
    explicit BaselineMatcher(const std::vector<Entry>& baseline);

    /// For each defect of one file (as keyDefects gives them), whether the baseline holds it.
    /// Entries taken here are not taken again: give each file once.
    std::vector<bool> match(const std::vector<KeyedDefect>& fileDefects);

    /// The entries that no defect has taken: once every file has been matched, the recorded
    /// defects that are gone.
    std::size_t untakenCount() const { return untakenCount_; }

  private:
    /// A key within one file: the rule and the line hash.
    using LineKey = std::pair<std::int32_t, std::uint32_t>;
    /// The context hashes of the entries of each key of a file that are not taken yet.
    using FileEntries = std::map<LineKey, std::vector<std::uint16_t>>;

    std::unordered_map<std::string, FileEntries> untaken_;
    std::size_t untakenCount_ = 0;
};

} // namespace scan::baseline
