#pragma once

#include "report/ByteSink.h"
#include "report/RunListener.h"
#include "report/ToolInfo.h"

#include <string>
#include <vector>

namespace report {

/// SARIF 2.1.0: the tool with all its rules, one result per defect, and the invocation,
/// successful or not with the reason as a notification. Results are written as they come,
/// one per line.
class SarifWriter : public RunListener {
  public:
    SarifWriter(ByteSink& out, const ToolInfo& tool);
    void onStart(const RunStart& start) override;
    void onDefect(const DefectLine& defect) override;
    void onAssertion(std::string_view report) override;
    void onEnd(const RunOutcome& outcome) override;

  private:
    void writeRules();
    void writeNotification(std::string_view level, std::string_view text);
    /// The artifact location of a file, made once for all its defects.
    const std::string& artifactLocation(std::string_view fileName);

    ByteSink& out_;
    ToolInfo tool_;
    PathStyle pathStyle_ = PathStyle::kPosix;
    bool anyResult_ = false;
    std::string locationFileName_;
    std::string location_;
    std::vector<std::string> assertions_;
    bool anyNotification_ = false;
};

} // namespace report
