#pragma once

#include "lsp/IncomingMessage.h"

#include <optional>
#include <string>

namespace lsp {

/// Which messages the server takes in each stage of its life: before "initialize" only that
/// request (others get ServerNotInitialized) and "exit"; after "shutdown" no request (they
/// get InvalidRequest) and only the "exit" notification.
class Lifecycle {
  public:
    enum class Verdict { kRun, kDrop, kRefuse };
    struct Decision {
        Verdict verdict;
        int code = 0;
        std::string reason;
    };

    Decision decide(const IncomingMessage& message) const;

    void initialized() { stage_ = Stage::kRunning; }
    void shutDown() { stage_ = Stage::kShutDown; }
    bool isShutDown() const { return stage_ == Stage::kShutDown; }

  private:
    enum class Stage { kStarting, kRunning, kShutDown };
    Stage stage_ = Stage::kStarting;
};

} // namespace lsp
