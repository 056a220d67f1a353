#include "lsp/Client.h"

#include "lsp/WellFormedText.h"

#include <cstdio>

namespace lsp {

using Json = nlohmann::json;

void Client::respond(const Json& id, Json result) {
    writer_.send({{"jsonrpc", "2.0"}, {"id", id}, {"result", std::move(result)}});
}

void Client::fail(const Json& id, int code, const std::string& message) {
    writer_.send({{"jsonrpc", "2.0"},
                  {"id", id},
                  {"error", {{"code", code}, {"message", wellFormedText(message)}}}});
}

void Client::notify(const std::string& method, Json params) {
    writer_.send({{"jsonrpc", "2.0"}, {"method", method}, {"params", std::move(params)}});
}

void Client::request(const std::string& method, Json params) {
    writer_.send({{"jsonrpc", "2.0"},
                  {"id", nextRequestId_++},
                  {"method", method},
                  {"params", std::move(params)}});
}

void Client::log(MessageType type, const std::string& text) {
    if (logToClient_ && !writer_.broken()) {
        notify("window/logMessage",
               {{"type", static_cast<int>(type)}, {"message", wellFormedText(text)}});
        return;
    }
    std::fprintf(stderr, "quarvel-lsp: %s\n", text.c_str());
    std::fflush(stderr);
}

void Client::show(MessageType type, const std::string& text) {
    notify("window/showMessage",
           {{"type", static_cast<int>(type)}, {"message", wellFormedText(text)}});
}

void Client::trace(const std::string& message, const std::string& verbose) {
    const Trace level = trace_;
    if (level == Trace::kOff)
        return;
    Json params = {{"message", wellFormedText(message)}};
    if (level == Trace::kVerbose)
        params["verbose"] = wellFormedText(verbose);
    notify("$/logTrace", std::move(params));
}

Client::Trace traceNamed(const Json& value) {
    if (value == "messages")
        return Client::Trace::kMessages;
    if (value == "verbose")
        return Client::Trace::kVerbose;
    return Client::Trace::kOff;
}

} // namespace lsp
