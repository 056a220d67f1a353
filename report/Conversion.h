#pragma once

#include "report/CommandLine.h"

#include <cstdio>

namespace report {

/// quarvel-report's exit statuses.
enum ExitStatus : int {
    kExitNormalRun = 0,
    kExitRunNotNormal = 1, ///< failed, unfinished, not a run; or input or output failed
    kExitUsage = 2,        ///< a wrong command line, or an output that is the input
    kExitDefectsFound = 3, ///< with --fail-on-defects
};

/// Reads a run from the options' input (or `standardInput`), writes the report to the
/// options' output (or `standardOutput`), tells on `errors` what went wrong, and returns the
/// exit status (or that of a process that SIGPIPE ended, when the report's reader went away).
int convert(const Options& options, std::FILE* standardInput, std::FILE* standardOutput,
            std::FILE* errors);

} // namespace report
