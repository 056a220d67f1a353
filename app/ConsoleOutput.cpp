#include "app/ConsoleOutput.h"

#include "util/StandardOutput.h"

namespace app {

ConsoleOutput::ConsoleOutput(std::string resultPrefix, std::string sparePrefix,
                             std::string statusPrefix)
    : result_(std::move(resultPrefix)), spare_(std::move(sparePrefix)),
      status_(std::move(statusPrefix)) {}

ConsoleOutput::Channel::Channel(std::string prefix) : prefix_(std::move(prefix)) {}

void ConsoleOutput::Channel::print(const std::string& text) {
    util::writeStandardOutput(prefix_.empty() ? text : prefix_ + text);
}

} // namespace app
