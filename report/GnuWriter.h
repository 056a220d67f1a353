#pragma once

#include "report/ByteSink.h"
#include "report/RunListener.h"

namespace report {

/// The form compilers use, which editors and problem matchers read, with the defect's level:
/// File.java:12: warning: Empty catch block. [1006]
class GnuWriter : public RunListener {
  public:
    explicit GnuWriter(ByteSink& out);
    void onStart(const RunStart&) override {}
    void onDefect(const DefectLine& defect) override;
    void onAssertion(std::string_view) override {}
    void onEnd(const RunOutcome&) override {}

  private:
    ByteSink& out_;
};

} // namespace report
