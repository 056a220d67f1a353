#pragma once

#include "scan/report/ScanTotals.h"
#include "scan/run/FileOutcome.h"

#include <cstdio>
#include <fstream>
#include <optional>
#include <string>

namespace scan::run {

/// Reads a shard report (the `shard` form) file by file: its header names the shard, then
/// each file's outcome, then the shard's totals.
class ShardReader {
  public:
    /// Opens and reads the header; throws ShardException when it is no shard report.
    explicit ShardReader(std::string fileName);
    /// "K/N" from the header.
    const std::string& shard() const { return shard_; }
    /// The next file, or nullopt at the end (the totals are read then).
    std::optional<FileOutcome> next();
    /// The shard's counts: files ignored and excluded, baseline defects gone, and whether it
    /// compared with a baseline or a revision. Valid once next() gave nullopt.
    void addTotals(report::ScanTotals& totals) const;

  private:
    [[noreturn]] void fail(const std::string& what) const;

    std::string fileName_;
    std::ifstream in_;
    std::string shard_;
    std::string line_;
    std::size_t lineNumber_ = 0;
    std::uint64_t ignored_ = 0, excluded_ = 0, baselineGone_ = 0;
    bool baseline_ = false, revision_ = false, ended_ = false;
};

} // namespace scan::run
