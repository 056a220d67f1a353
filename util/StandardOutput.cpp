#include "util/StandardOutput.h"

#include "platform/Platform.h"

namespace util {

OutputFailure::OutputFailure(int errorNumber)
    : std::runtime_error("cannot write the results to standard output: " +
                         platform::runtimeErrorText(errorNumber)),
      errorNumber_(errorNumber) {}

void writeStandardOutput(const std::string& text) {
    platform::beginOutput();
    const int error = platform::writeStandardOutput(text.data(), text.size());
    platform::endOutput();
    if (error != 0)
        throw OutputFailure(error);
}

} // namespace util
