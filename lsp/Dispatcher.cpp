#include "lsp/Dispatcher.h"

#include "lsp/RpcError.h"

namespace lsp {

void Dispatcher::onRequest(const std::string& method, RequestHandler handler) {
    requests_[method] = std::move(handler);
}

void Dispatcher::onNotification(const std::string& method, NotificationHandler handler) {
    notifications_[method] = std::move(handler);
}

void Dispatcher::dispatch(const IncomingMessage& message) {
    if (message.kind == IncomingMessage::Kind::kNotification) {
        const auto handler = notifications_.find(message.method);
        if (handler == notifications_.end())
            return;
        try {
            handler->second(message.params);
        } catch (const RpcError& error) {
            client_.log(Client::MessageType::kWarning, message.method + ": " + error.what());
        } catch (const nlohmann::json::exception& error) {
            client_.log(Client::MessageType::kWarning,
                        message.method + ": params not understood: " + error.what());
        } catch (const std::exception& error) {
            client_.log(Client::MessageType::kError, message.method + " failed: " + error.what());
        }
        return;
    }
    if (message.kind != IncomingMessage::Kind::kRequest)
        return;
    const auto handler = requests_.find(message.method);
    if (handler == requests_.end()) {
        client_.fail(message.id, errors::kMethodNotFound, "unknown method: " + message.method);
        return;
    }
    try {
        std::optional<nlohmann::json> result = handler->second(message.id, message.params);
        if (result)
            client_.respond(message.id, std::move(*result));
    } catch (const RpcError& error) {
        client_.fail(message.id, error.code(), error.what());
    } catch (const nlohmann::json::exception& error) {
        client_.fail(message.id, errors::kInvalidParams,
                     std::string("params not understood: ") + error.what());
    } catch (const std::exception& error) {
        // Memory that ran out, most likely: the request fails, the server goes on.
        client_.fail(message.id, errors::kInternalError,
                     message.method + " failed: " + error.what());
    }
}

} // namespace lsp
