#pragma once

#include <cstddef>
#include <functional>
#include <string>

namespace util {

/// Reports a failed internal check on standard output and appends the same report to
/// "assertion.txt" in the current directory, then returns: the caller decides what follows.
void reportAssertion(const std::string& condition, const char* sourcePath, int line);

/// Receives the finished reports of the calling thread instead of standard output and the
/// report file, while set; an empty function ends the diversion. The run that analyses files
/// in parallel keeps each report at the place in the output where a one-thread run prints
/// it, and publishes it there.
using ReportDiversion = std::function<void(std::string report)>;
void divertFailedChecksOfThisThread(ReportDiversion diversion);

/// What reportAssertion does with a report that is not diverted: appends it to the report
/// file and prints it.
void publishFailedCheck(const std::string& report);

/// How many failed checks this process has reported so far (robustness tests treat any as a
/// failure).
std::size_t reportedAssertionCount();

/// The report text for a failed check at the given local time (asctime layout, day as two digits).
std::string formatAssertionReport(const std::string& condition, const char* sourcePath, int line,
                                  const std::string& occurred);

/// The current local time as "Mon Dec 07 14:12:00 2026".
std::string currentLocalTimeText();

} // namespace util
