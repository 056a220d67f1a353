#include "app/ConsoleOutput.h"

namespace app {

ConsoleOutput::ConsoleOutput(std::ostream& stream, std::string resultPrefix,
                             std::string sparePrefix, std::string statusPrefix)
    : result_(stream, std::move(resultPrefix)), spare_(stream, std::move(sparePrefix)),
      status_(stream, std::move(statusPrefix)) {}

ConsoleOutput::Channel::Channel(std::ostream& stream, std::string prefix)
    : stream_(stream), prefix_(std::move(prefix)) {}

void ConsoleOutput::Channel::print(const std::string& text) {
    stream_ << prefix_ << text;
    stream_.flush();
}

} // namespace app
