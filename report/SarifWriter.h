#pragma once

#include "report/BlockWriter.h"
#include "report/RunListener.h"
#include "report/ToolInfo.h"

#include <string>
#include <vector>

namespace report {

/// SARIF 2.1.0: the tool with all its rules, one result per defect, and the invocation,
/// successful or not with the reason as a notification, files that could not be analysed as
/// notifications at their location, and how many results were left out. Results are written
/// as they come, one per line; with the run's rule levels, each carries its level.
class SarifWriter : public RunListener {
  public:
    SarifWriter(BlockWriter& out, const ToolInfo& tool, const RunSettings& settings = {});
    void onStart(const RunStart& start) override;
    void onDefect(const DefectLine& defect) override;
    void onAssertion(std::string_view report) override;
    void onFileProblem(std::string_view fileName, std::string_view reason) override;
    void onEnd(const RunOutcome& outcome) override;

  private:
    void writeRules();
    void writeNotification(std::string_view level, std::string_view text,
                           std::string_view location = {});
    /// The artifact location of a file, made once for all its defects.
    const std::string& artifactLocation(std::string_view fileName);

    BlockWriter& out_;
    ToolInfo tool_;
    RunSettings settings_;
    PathStyle pathStyle_ = PathStyle::kPosix;
    bool anyResult_ = false;
    std::string locationFileName_;
    std::string location_;
    std::vector<std::string> assertions_;
    /// Files that could not be analysed: the artifact location and the reason.
    std::vector<std::pair<std::string, std::string>> fileProblems_;
    std::size_t fileProblemsLeftOut_ = 0;
    bool anyNotification_ = false;
};

} // namespace report
