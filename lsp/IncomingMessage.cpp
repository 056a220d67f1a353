#include "lsp/IncomingMessage.h"

namespace lsp {

namespace {

IncomingMessage invalid(nlohmann::json id, std::string problem) {
    IncomingMessage message;
    message.id = std::move(id);
    message.problem = std::move(problem);
    return message;
}

} // namespace

IncomingMessage classify(const nlohmann::json& message) {
    if (!message.is_object())
        return invalid(nullptr, "a message must be a JSON object");
    const auto id = message.find("id");
    const bool hasId = id != message.end();
    if (hasId && !id->is_string() && !id->is_number())
        return invalid(nullptr, "a message id must be a string or a number");
    const nlohmann::json usableId = hasId ? *id : nlohmann::json(nullptr);

    const auto method = message.find("method");
    if (method == message.end()) {
        if (hasId && (message.contains("result") || message.contains("error"))) {
            IncomingMessage response;
            response.kind = IncomingMessage::Kind::kResponse;
            response.id = usableId;
            return response;
        }
        return invalid(usableId, "a message without a method must be a response");
    }
    if (!method->is_string())
        return invalid(usableId, "a message's method must be a string");
    IncomingMessage result;
    result.kind = hasId ? IncomingMessage::Kind::kRequest : IncomingMessage::Kind::kNotification;
    result.id = usableId;
    result.method = method->get<std::string>();
    // "params": null is taken as no params, as some clients send it for methods without.
    if (const auto params = message.find("params"); params != message.end() && !params->is_null()) {
        if (!params->is_object() && !params->is_array())
            return invalid(usableId, "a message's params must be an object or an array");
        result.params = *params;
    }
    return result;
}

} // namespace lsp
