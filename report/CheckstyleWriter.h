#pragma once

#include "report/BlockWriter.h"
#include "report/RunListener.h"
#include "report/ToolInfo.h"

#include <string>

namespace report {

/// The XML report layout of Checkstyle: one file element per analysed file that has
/// defects, in the order of the run, each with one error element per defect. The layout has
/// no place for how the run ended.
class CheckstyleWriter : public RunListener {
  public:
    CheckstyleWriter(BlockWriter& out, const ToolInfo& tool);
    void onStart(const RunStart& start) override;
    void onDefect(const DefectLine& defect) override;
    void onAssertion(std::string_view) override {}
    void onEnd(const RunOutcome& outcome) override;

  private:
    BlockWriter& out_;
    ToolInfo tool_;
    bool inFile_ = false;
    std::string fileName_;
};

} // namespace report
