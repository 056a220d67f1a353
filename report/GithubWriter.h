#pragma once

#include "report/BlockWriter.h"
#include "report/RunListener.h"

#include <string_view>

namespace report {

/// GitHub Actions workflow commands: an error, a warning or a notice per defect by its level,
/// shown on the file and line; a file that could not be analysed and a run that did not end
/// normally as errors, and failed internal checks as warnings.
class GithubWriter : public RunListener {
  public:
    explicit GithubWriter(BlockWriter& out);
    void onStart(const RunStart&) override {}
    void onDefect(const DefectLine& defect) override;
    void onAssertion(std::string_view report) override;
    void onFileProblem(std::string_view fileName, std::string_view reason) override;
    void onEnd(const RunOutcome& outcome) override;

  private:
    BlockWriter& out_;
};

/// A command's message: '%', carriage return and line feed are percent-encoded.
void writeGithubData(BlockWriter& out, std::string_view text);
/// A command's property value: as a message, and ':' and ',' too.
void writeGithubProperty(BlockWriter& out, std::string_view text);

} // namespace report
