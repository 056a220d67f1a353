#pragma once

#include "report/DefectLine.h"
#include "report/FileUri.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace report {

/// What the banner says about the run.
struct RunStart {
    /// Quarvel's version from the banner; empty when the input has no banner.
    std::string version;
    /// The Windows build writes CR LF line ends, and paths in its own way.
    PathStyle pathStyle;
};

/// How the output of a run ends.
enum class RunEnd {
    kFinished,   ///< the summary closes it
    kFailed,     ///< a failure message closes it
    kUnfinished, ///< it stops before the summary: the program crashed or was stopped
    kNotARun,    ///< it is not what quarvel prints, or it was changed
    kUsageOnly,  ///< quarvel printed its usage text and analysed nothing
    kPartial,    ///< some files could not be analysed; the others were
};

struct RunOutcome {
    RunEnd end;
    /// The failure message for kFailed; otherwise what was found wrong, for a person.
    std::string detail;
    std::uint64_t defects;
    /// Defects found but not given to this report (it takes a limited number).
    std::uint64_t leftOut = 0;
};

/// Receives a run's content as it is read: onStart first, then the defects and the reports
/// of failed internal checks in their order, then onEnd once.
class RunListener {
  public:
    virtual ~RunListener() = default;
    virtual void onStart(const RunStart& start) = 0;
    virtual void onDefect(const DefectLine& defect) = 0;
    /// A failed internal check that the run reported and went on after.
    virtual void onAssertion(std::string_view report) = 0;
    /// A file that could not be analysed, and why; the run went on with the others.
    virtual void onFileProblem(std::string_view /*fileName*/, std::string_view /*reason*/) {}
    virtual void onEnd(const RunOutcome& outcome) = 0;
};

} // namespace report
