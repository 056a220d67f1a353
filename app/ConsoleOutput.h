#pragma once

#include "app/OutputSink.h"

#include <ostream>
#include <string>

namespace app {

/// The three channels over one stream; each print writes its channel's prefix and the text
/// and flushes. A failed flush marks the stream bad and raises nothing.
class ConsoleOutput : public OutputSink {
  public:
    ConsoleOutput(std::ostream& stream, std::string resultPrefix, std::string sparePrefix,
                  std::string statusPrefix);

    OutputChannel& resultChannel() override { return result_; }
    OutputChannel& spareChannel() override { return spare_; }
    OutputChannel& statusChannel() override { return status_; }

  private:
    class Channel : public OutputChannel {
      public:
        Channel(std::ostream& stream, std::string prefix);
        void print(const std::string& text) override;

      private:
        std::ostream& stream_;
        std::string prefix_;
    };

    Channel result_;
    Channel spare_;
    Channel status_;
};

} // namespace app
