#pragma once

#include "report/BlockWriter.h"
#include "report/RunListener.h"
#include "scan/report/ScanTotals.h"

namespace scan::report {

/// For a person at a terminal: one line per defect, by file and line, the level coloured
/// when asked, then the files that could not be analysed, then the defects per rule and the
/// totals.
///
///     src/Pay.java:12: error: Return statement in finally block. [1012 ReturnInFinally]
class TextWriter : public ::report::RunListener {
  public:
    TextWriter(::report::BlockWriter& out, const ScanTotals& totals, bool color);
    void onStart(const ::report::RunStart&) override {}
    void onDefect(const ::report::DefectLine& defect) override;
    void onAssertion(std::string_view) override {}
    void onFileProblem(std::string_view fileName, std::string_view reason) override;
    void onEnd(const ::report::RunOutcome& outcome) override;

  private:
    void paint(const char* code);

    ::report::BlockWriter& out_;
    const ScanTotals& totals_;
    bool color_;
};

/// The defects per level and per rule, and the files, as a plain table.
void writeSummaryTable(::report::BlockWriter& out, const ScanTotals& totals);
/// The same as Markdown, for a CI system's job summary.
void writeSummaryMarkdown(::report::BlockWriter& out, const ScanTotals& totals);

/// Only the summary table.
class SummaryWriter : public ::report::RunListener {
  public:
    SummaryWriter(::report::BlockWriter& out, const ScanTotals& totals) : out_(out), totals_(totals) {}
    void onStart(const ::report::RunStart&) override {}
    void onDefect(const ::report::DefectLine&) override {}
    void onAssertion(std::string_view) override {}
    void onEnd(const ::report::RunOutcome&) override { writeSummaryTable(out_, totals_); }

  private:
    ::report::BlockWriter& out_;
    const ScanTotals& totals_;
};

} // namespace scan::report
