#pragma once

#include "io/file/ReplacingFile.h"

#include <cstdio>
#include <optional>
#include <string>
#include <string_view>

namespace report {

/// Where a report goes: standard output, written as it comes, or a named file, replaced whole
/// at the end, so that a conversion that fails leaves an older report as it was.
class ReportOutput {
  public:
    /// Standard output.
    explicit ReportOutput(std::FILE* standardOutput);
    /// The named file; "-" is not standard output here. Check failed() before writing.
    explicit ReportOutput(const std::string& fileName);

    /// Writes bytes; false when they, or earlier ones, could not be written.
    bool write(std::string_view bytes);
    /// Ends the report: flushes standard output, or puts the written file in the named file's
    /// place when `keep` is true and drops it when not (the named file stays as it was).
    /// False when the report could not be written.
    bool finish(bool keep);

    bool failed() const { return !failure_.empty() || (file_ && !file_->failure().empty()); }
    /// The system's reason for the failure.
    std::string failure() const { return file_ ? file_->failure() : failure_; }
    /// Whether the output was a pipe whose reader went away.
    bool readerWentAway() const { return file_ ? file_->readerWentAway() : readerWentAway_; }
    /// The output as messages name it: "standard output" or the file's name.
    const std::string& name() const { return name_; }

  private:
    void failWithRuntimeError(int errorNumber);

    std::string name_;
    std::FILE* standardOutput_ = nullptr;
    std::optional<io::file::ReplacingFile> file_;
    std::string failure_; // standard output's
    bool readerWentAway_ = false;
};

} // namespace report
