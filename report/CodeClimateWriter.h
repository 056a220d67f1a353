#pragma once

#include "report/BlockWriter.h"
#include "report/Fingerprint.h"
#include "report/RunListener.h"

#include <cstdint>
#include <string>
#include <unordered_map>

namespace report {

/// GitLab's Code Quality report: a JSON array with one issue per defect, its severity from
/// the defect's level. An issue's fingerprint is the defect's own when it has one; otherwise
/// it hashes the file, the rule, the message and how many defects of the same rule and
/// message come before it in the file, not the line: it stays the same across runs, and when
/// lines above the defect come or go.
class CodeClimateWriter : public RunListener {
  public:
    explicit CodeClimateWriter(BlockWriter& out);
    void onStart(const RunStart& start) override;
    void onDefect(const DefectLine& defect) override;
    void onAssertion(std::string_view) override {}
    void onEnd(const RunOutcome& outcome) override;

  private:
    /// Starts a file's defects: its path and the start of its fingerprints are made once.
    void startFile(std::string_view fileName);
    std::uint32_t occurrence(const DefectLine& defect);

    BlockWriter& out_;
    bool anyIssue_ = false;
    bool inFile_ = false;
    std::string fileName_;
    std::string pathJson_;
    Fingerprint fileFingerprint_;
    std::unordered_map<std::string, std::uint32_t> seenInFile_; // by rule and message
    std::string key_;
};

} // namespace report
