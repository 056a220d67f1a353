#pragma once

#include "app/FileAnalysis.h"
#include "app/FileLoader.h"
#include "products/quarvel/rule/RuleRegistry.h"
#include "products/quarvel/ruleconfig/RuleDisableParser.h"
#include "scan/baseline/BaselineMatcher.h"
#include "scan/config/ScanConfig.h"
#include "scan/run/FileOutcome.h"
#include "scan/tree/ChangedLines.h"

#include <cstdint>
#include <mutex>
#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

namespace scan::run {

/// A file the scan analyses: the name to open and print, its path relative to the
/// configuration's folder (for globs and baseline keys), and its path in the git work tree
/// when the run compares with a revision.
struct ScanFile {
    std::string name;
    std::string relativePath;
    std::optional<std::string> workTreePath;
};

/// What the scan does with each file, on any of the run's threads: analyses it with the rules
/// its path leaves on, keys its defects, compares them with the baseline and the new lines,
/// and writes the file's outcome (OutcomeCodec) on the channel. A file that cannot be loaded
/// or holds a bad directive is not a failure of the run: its outcome says why.
class ScanWork : public app::FileWork {
  public:
    struct Comparisons {
        /// The baseline's defects, when the run compares with one.
        baseline::BaselineMatcher* baseline = nullptr;
        /// The lines new since a revision, when the run compares with one.
        const tree::ChangedLines* newLines = nullptr;
        /// Whether findings need their keys: to compare with a baseline, to write one, or
        /// for reports that carry fingerprints. Keying reads each defect's line and the
        /// lines above it, which a run without them can spare.
        bool keyed = true;
    };

    ScanWork(const std::vector<ScanFile>& files, const config::ScanConfig& config,
             const std::vector<std::int32_t>& rulesOff,
             const products::quarvel::rule::RuleRegistry& registry,
             const products::quarvel::ruleconfig::RuleDisableParser& disableParser,
             app::FileLoader& loader, Comparisons comparisons);

    std::uint32_t analyse(const std::string& name, app::OutputChannel& result,
                          const app::StopRequest* stop) const override;

  private:
    /// The file's findings, keyed and compared; throws what loading and the directives throw.
    std::vector<Finding> findingsOf(const ScanFile& file, const app::StopRequest* stop) const;

    const std::vector<ScanFile>& files_;
    std::unordered_map<std::string, std::size_t> byName_;
    const config::ScanConfig& config_;
    const std::vector<std::int32_t>& rulesOff_;
    const products::quarvel::rule::RuleRegistry& registry_;
    const products::quarvel::ruleconfig::RuleDisableParser& disableParser_;
    app::FileLoader& loader_;
    Comparisons comparisons_;
    mutable std::mutex baselineMutex_; ///< the matcher takes each file's entries in turn
};

} // namespace scan::run
