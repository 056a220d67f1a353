#pragma once

#include "lsp/MessageWriter.h"

#include <atomic>
#include <cstdint>
#include <nlohmann/json.hpp>
#include <string>

namespace lsp {

/// What the server says to the client: answers, notifications, requests of its own (whose
/// answers it does not wait for), its log and its trace. Any thread may use it.
class Client {
  public:
    enum class MessageType { kError = 1, kWarning = 2, kInfo = 3, kLog = 4 };
    enum class Trace { kOff, kMessages, kVerbose };

    explicit Client(MessageWriter& writer) : writer_(writer) {}

    void respond(const nlohmann::json& id, nlohmann::json result);
    void fail(const nlohmann::json& id, int code, const std::string& message);
    void notify(const std::string& method, nlohmann::json params);
    void request(const std::string& method, nlohmann::json params);

    /// window/logMessage once the client has initialized the server, standard error before.
    void log(MessageType type, const std::string& text);
    /// window/showMessage: for what the user has to act on.
    void show(MessageType type, const std::string& text);
    /// $/logTrace, when the client has switched tracing on; `verbose` only at its verbose level.
    void trace(const std::string& message, const std::string& verbose);

    void startLoggingToClient() { logToClient_ = true; }
    void setTrace(Trace trace) { trace_ = trace; }

  private:
    MessageWriter& writer_;
    std::atomic<bool> logToClient_{false};
    std::atomic<Trace> trace_{Trace::kOff};
    std::atomic<std::int64_t> nextRequestId_{1};
};

/// The trace level a "$/setTrace" or "initialize" names; anything unknown is off.
Client::Trace traceNamed(const nlohmann::json& value);

} // namespace lsp
