#include "util/AssertionReporter.h"

#include "util/StandardOutput.h"

#include <atomic>
#include <ctime>
#include <fstream>

namespace util {
namespace {
const char kSeparator[] = "----------------------------------------\n";
const char kSupportAddress[] = "support@quarvel.dev";
const char kReportFile[] = "assertion.txt";

std::atomic<std::size_t> assertionCount{0};
thread_local ReportDiversion diverted;
} // namespace

std::size_t reportedAssertionCount() {
    return assertionCount;
}

std::string currentLocalTimeText() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
#ifdef _WIN32
    localtime_s(&local, &now);
#else
    localtime_r(&now, &local);
#endif
    // The same fields as asctime, but with the day always written as two digits.
    static const char* const kDays[] = {"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"};
    static const char* const kMonths[] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                          "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
    char text[64];
    std::snprintf(text, sizeof text, "%s %s %02d %02d:%02d:%02d %d", kDays[local.tm_wday % 7],
                  kMonths[local.tm_mon % 12], local.tm_mday, local.tm_hour, local.tm_min,
                  local.tm_sec, local.tm_year + 1900);
    return text;
}

std::string formatAssertionReport(const std::string& condition, const char* sourcePath, int line,
                                  const std::string& occurred) {
    std::string report = kSeparator;
    report += "Assertion failed. Message: " + condition + "\n";
    report += std::string("File: ") + (sourcePath ? sourcePath : "") + "\n";
    report += "Line: " + std::to_string(line) + "\n";
    report += "Occurred: " + occurred + "\n";
    report += "\n";
    report += std::string("Please contact ") + kSupportAddress + " and include this message.\n";
    report += "Thank you for helping us improve the software.\n";
    report += kSeparator;
    return report;
}

void divertFailedChecksOfThisThread(ReportDiversion diversion) {
    diverted = std::move(diversion);
}

void reportAssertion(const std::string& condition, const char* sourcePath, int line) {
    ++assertionCount;
    std::string report = formatAssertionReport(condition, sourcePath, line, currentLocalTimeText());
    if (diverted)
        diverted(std::move(report));
    else
        publishFailedCheck(report);
}

void publishFailedCheck(const std::string& report) {
    // The file first: a report that cannot reach standard output still reaches the file.
    {
        std::ofstream file(kReportFile, std::ios::binary | std::ios::app);
        if (file)
            file << report;
    }
    writeStandardOutput(report);
}

} // namespace util
