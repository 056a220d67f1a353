#pragma once

#include "report/BlockWriter.h"
#include "report/RunListener.h"

namespace report {

/// The form compilers use, which editors and problem matchers read, with the defect's level:
/// File.java:12: warning: Empty catch block. [1006]
class GnuWriter : public RunListener {
  public:
    explicit GnuWriter(BlockWriter& out);
    void onStart(const RunStart&) override {}
    void onDefect(const DefectLine& defect) override;
    void onAssertion(std::string_view) override {}
    void onEnd(const RunOutcome&) override {}

  private:
    BlockWriter& out_;
};

} // namespace report
