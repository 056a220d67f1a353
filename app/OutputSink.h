#pragma once

#include <string>

namespace app {

/// Where one kind of output goes. Each print writes its text (whole lines) at once, after
/// whatever prefix the channel puts before it.
class OutputChannel {
  public:
    virtual ~OutputChannel() = default;
    virtual void print(const std::string& text) = 0;
};

/// Where the run writes: defect lines and failures on the result channel; banner, usage text
/// and summary on the status channel. The second channel is spare.
class OutputSink {
  public:
    virtual ~OutputSink() = default;
    virtual OutputChannel& resultChannel() = 0;
    virtual OutputChannel& spareChannel() = 0;
    virtual OutputChannel& statusChannel() = 0;
};

} // namespace app
