#include "lsp/Lifecycle.h"

#include "lsp/RpcError.h"

namespace lsp {

Lifecycle::Decision Lifecycle::decide(const IncomingMessage& message) const {
    const bool request = message.kind == IncomingMessage::Kind::kRequest;
    if (message.kind == IncomingMessage::Kind::kNotification && message.method == "exit")
        return {Verdict::kRun, 0, {}};
    switch (stage_) {
    case Stage::kStarting:
        if (request && message.method == "initialize")
            return {Verdict::kRun, 0, {}};
        if (request)
            return {Verdict::kRefuse, errors::kServerNotInitialized,
                    "the server is not initialized yet"};
        return {Verdict::kDrop, 0, {}};
    case Stage::kRunning:
        if (request && message.method == "initialize")
            return {Verdict::kRefuse, errors::kInvalidRequest, "the server is initialized already"};
        return {Verdict::kRun, 0, {}};
    case Stage::kShutDown:
        if (request)
            return {Verdict::kRefuse, errors::kInvalidRequest, "the server is shut down"};
        return {Verdict::kDrop, 0, {}};
    }
    return {Verdict::kDrop, 0, {}};
}

} // namespace lsp
