#include "report/ReportOutput.h"

#include "platform/Platform.h"

#include <cerrno>

namespace report {

ReportOutput::ReportOutput(std::FILE* standardOutput)
    : name_("standard output"), standardOutput_(standardOutput) {}

ReportOutput::ReportOutput(const std::string& fileName) : name_(fileName) {
    file_.emplace(fileName);
}

bool ReportOutput::write(std::string_view bytes) {
    if (file_)
        return file_->write(bytes);
    if (!failure_.empty())
        return false;
    if (std::fwrite(bytes.data(), 1, bytes.size(), standardOutput_) != bytes.size()) {
        failWithRuntimeError(errno);
        return false;
    }
    return true;
}

bool ReportOutput::finish(bool keep) {
    if (file_) {
        if (keep)
            return file_->commit();
        file_.reset(); // drops the written file
        return true;
    }
    if (failure_.empty() && std::fflush(standardOutput_) != 0)
        failWithRuntimeError(errno);
    return failure_.empty();
}

void ReportOutput::failWithRuntimeError(int errorNumber) {
    if (errorNumber == 0)
        errorNumber = EIO; // a failure the runtime did not explain
    failure_ = platform::runtimeErrorText(errorNumber);
    readerWentAway_ = platform::isBrokenPipe(errorNumber);
}

} // namespace report
