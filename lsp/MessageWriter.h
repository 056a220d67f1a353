#pragma once

#include "lsp/MessageOutput.h"

#include <mutex>
#include <nlohmann/json.hpp>

namespace lsp {

/// Frames messages for the client, one whole message per write, from any thread. Once the
/// output has refused a message, later ones are dropped: the client has gone, and the
/// server ends when its input ends.
class MessageWriter {
  public:
    explicit MessageWriter(MessageOutput& output) : output_(output) {}

    void send(const nlohmann::json& message);

    bool broken() const;

  private:
    MessageOutput& output_;
    mutable std::mutex mutex_;
    bool broken_ = false;
};

} // namespace lsp
