#pragma once

#include "report/BlockWriter.h"
#include "report/ReportOutput.h"
#include "report/RunListener.h"
#include "scan/baseline/Baseline.h"
#include "scan/cli/ScanOptions.h"
#include "scan/report/ScanTotals.h"
#include "scan/report/Selection.h"
#include "scan/run/FileOutcome.h"

#include <cstdio>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <vector>

namespace scan::report {

/// How reports and the gate treat what the run finds.
struct ReportingSettings {
    std::vector<cli::Report> reports; ///< each with a form and an output (empty: stdout)
    bool color = false;               ///< for text on standard output
    std::uint64_t maxResults = 25000;
    std::uint64_t maxAnnotations = 50;
    cli::FailOn failOn = cli::FailOn::kNew;
    std::uint64_t maxDefects = 0;
    std::optional<std::string> writeBaseline;
    /// Where a job summary in Markdown goes too (a CI system's file), or empty.
    std::string stepSummary;
    /// The shard this run is ("K/N"), for shard reports; empty when it is not sharded.
    std::string shard;
    /// Each rule's level in this run, by catalogue order, for the reports' rule lists.
    std::vector<products::quarvel::rule::Level> ruleLevels;
    /// Shows progress on a terminal; called for each file with the count done.
    std::function<void(std::size_t done)> progress;
};

/// Receives the outcome of each file in the run's order and writes every report the run
/// asked for: the ones that take every defect as they come, and at the end the ones that
/// take a limited number (SARIF, GitHub annotations), the totals, the baseline file and the
/// job summary. Tells on `errors` what a person must know: files that could not be analysed,
/// defects left out of a report, reports that could not be written.
class Reporting {
  public:
    Reporting(ReportingSettings settings, ScanTotals& totals, std::FILE* standardOutput,
              std::FILE* errors);
    ~Reporting();

    /// Whether every report could be opened; tell() has said why not.
    bool ready() const { return ready_; }
    void add(run::FileOutcome outcome);
    /// Ends every report; returns the exit status: 0, 3 when the gate fails, 1 when a file
    /// could not be analysed or a report could not be written.
    int finish();

  private:
    struct Output;

    void tell(const std::string& text);
    void offer(std::size_t file, const run::Finding& finding);
    void writeShardHeader(Output& output);
    void writeShard(Output& output, const run::FileOutcome& outcome);
    bool writeBaselineFile();
    void writeStepSummary();

    ReportingSettings settings_;
    ScanTotals& totals_;
    std::FILE* errors_;
    bool ready_ = true;
    bool outputFailed_ = false;
    std::vector<std::unique_ptr<Output>> outputs_;
    std::vector<std::string> fileNames_; ///< of the files with defects kept for a limited report
    std::uint64_t reportedOrder_ = 0;
    std::vector<baseline::Entry> baselineEntries_;
    std::size_t filesDone_ = 0;
};

} // namespace scan::report
