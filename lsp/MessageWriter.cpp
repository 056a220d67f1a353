#include "lsp/MessageWriter.h"

namespace lsp {

void MessageWriter::send(const nlohmann::json& message) {
    // Strings the server writes are made well-formed where they are built; should one slip
    // through, its stray bytes become U+FFFD rather than an exception.
    const std::string body = message.dump(-1, ' ', false, nlohmann::json::error_handler_t::replace);
    const std::string frame = "Content-Length: " + std::to_string(body.size()) + "\r\n\r\n" + body;
    const std::lock_guard<std::mutex> lock(mutex_);
    if (!broken_ && !output_.write(frame))
        broken_ = true;
}

bool MessageWriter::broken() const {
    const std::lock_guard<std::mutex> lock(mutex_);
    return broken_;
}

} // namespace lsp
