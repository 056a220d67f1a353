#include "tests/lsp/support/ServerHarness.h"

#include <algorithm>
#include <cstring>

namespace quarvel::testing {

using Json = nlohmann::json;

std::ptrdiff_t ServerHarness::Input::read(char* buffer, std::size_t size) {
    std::unique_lock<std::mutex> lock(mutex_);
    arrived_.wait(lock, [this] { return !bytes_.empty() || closed_; });
    const std::size_t count = std::min(size, bytes_.size());
    std::memcpy(buffer, bytes_.data(), count);
    bytes_.erase(0, count);
    return static_cast<std::ptrdiff_t>(count);
}

void ServerHarness::Input::add(const std::string& bytes) {
    const std::lock_guard<std::mutex> lock(mutex_);
    bytes_ += bytes;
    arrived_.notify_all();
}

void ServerHarness::Input::close() {
    const std::lock_guard<std::mutex> lock(mutex_);
    closed_ = true;
    arrived_.notify_all();
}

bool ServerHarness::Output::write(std::string_view bytes) {
    // The server writes one whole frame at a time.
    const std::size_t bodyStart = bytes.find("\r\n\r\n") + 4;
    Json message = Json::parse(bytes.substr(bodyStart));
    const std::lock_guard<std::mutex> lock(harness_.mutex_);
    harness_.messages_.push_back(std::move(message));
    harness_.written_.notify_all();
    return true;
}

ServerHarness::ServerHarness(lsp::ServerOptions options)
    : server_([this, options] {
          const int status = lsp::serve(input_, output_, options);
          const std::lock_guard<std::mutex> lock(mutex_);
          status_ = status;
          ended_ = true;
          written_.notify_all();
      }) {}

ServerHarness::~ServerHarness() {
    input_.close();
    server_.join();
}

void ServerHarness::send(const Json& message) {
    const std::string body = message.dump();
    sendBytes("Content-Length: " + std::to_string(body.size()) + "\r\n\r\n" + body);
}

void ServerHarness::sendBytes(const std::string& bytes) {
    input_.add(bytes);
}

std::optional<Json> ServerHarness::waitFor(const std::function<bool(const Json&)>& wanted) {
    std::unique_lock<std::mutex> lock(mutex_);
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(30);
    for (;;) {
        while (taken_ < messages_.size()) {
            const Json& message = messages_[taken_++];
            if (wanted(message))
                return message;
        }
        if (ended_ || written_.wait_until(lock, deadline) == std::cv_status::timeout)
            return std::nullopt;
    }
}

std::optional<Json> ServerHarness::waitForDiagnostics(const std::string& uri) {
    return waitFor([&](const Json& message) {
        return message.value("method", "") == "textDocument/publishDiagnostics" &&
               message["params"]["uri"] == uri;
    });
}

int ServerHarness::finish() {
    input_.close();
    std::unique_lock<std::mutex> lock(mutex_);
    written_.wait(lock, [this] { return ended_; });
    return status_;
}

std::vector<Json> ServerHarness::messages() const {
    const std::lock_guard<std::mutex> lock(mutex_);
    return messages_;
}

Json request(int id, const std::string& method, Json params) {
    return {{"jsonrpc", "2.0"}, {"id", id}, {"method", method}, {"params", std::move(params)}};
}

Json notification(const std::string& method, Json params) {
    return {{"jsonrpc", "2.0"}, {"method", method}, {"params", std::move(params)}};
}

Json didOpen(const std::string& uri, const std::string& text, int version) {
    return notification(
        "textDocument/didOpen",
        {{"textDocument",
          {{"uri", uri}, {"languageId", "java"}, {"version", version}, {"text", text}}}});
}

} // namespace quarvel::testing
