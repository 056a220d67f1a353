#pragma once

#include "lsp/Client.h"
#include "lsp/IncomingMessage.h"

#include <functional>
#include <map>
#include <nlohmann/json.hpp>
#include <optional>
#include <string>

namespace lsp {

/// Finds the handler of a request or notification by its method and runs it.
class Dispatcher {
  public:
    /// A request's result, or nullopt when the handler answers later itself.
    using RequestHandler = std::function<std::optional<nlohmann::json>(
        const nlohmann::json& id, const nlohmann::json& params)>;
    using NotificationHandler = std::function<void(const nlohmann::json& params)>;

    explicit Dispatcher(Client& client) : client_(client) {}

    void onRequest(const std::string& method, RequestHandler handler);
    void onNotification(const std::string& method, NotificationHandler handler);

    /// A request without a handler gets MethodNotFound; a notification without one is
    /// dropped. An RpcError that a handler throws becomes the answer, params it cannot read
    /// give InvalidParams, and any other failure InternalError (a notification's failures
    /// are logged).
    void dispatch(const IncomingMessage& message);

  private:
    Client& client_;
    std::map<std::string, RequestHandler> requests_;
    std::map<std::string, NotificationHandler> notifications_;
};

} // namespace lsp
