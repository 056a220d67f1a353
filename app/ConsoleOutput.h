#pragma once

#include "app/OutputSink.h"

#include <string>

namespace app {

/// The three channels over standard output; each print writes its channel's prefix and the
/// text at once. Output that the system refuses raises util::OutputFailure.
class ConsoleOutput : public OutputSink {
  public:
    ConsoleOutput(std::string resultPrefix, std::string sparePrefix, std::string statusPrefix);

    OutputChannel& resultChannel() override { return result_; }
    OutputChannel& spareChannel() override { return spare_; }
    OutputChannel& statusChannel() override { return status_; }

  private:
    class Channel : public OutputChannel {
      public:
        explicit Channel(std::string prefix);
        void print(const std::string& text) override;

      private:
        std::string prefix_;
    };

    Channel result_;
    Channel spare_;
    Channel status_;
};

} // namespace app
