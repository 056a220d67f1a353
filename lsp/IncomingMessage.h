#pragma once

#include <nlohmann/json.hpp>
#include <string>

namespace lsp {

/// One message from the client, sorted by what it is.
struct IncomingMessage {
    enum class Kind {
        kRequest,      // method and id: wants an answer
        kNotification, // method, no id
        kResponse,     // id and a result or an error: an answer to one of the server's requests
        kInvalid       // none of these; problem says why, id holds the id if it was usable
    };
    Kind kind = Kind::kInvalid;
    nlohmann::json id;
    std::string method;
    nlohmann::json params;
    std::string problem;
};

/// Sorts a parsed message. An id is a string or a number; params, when present and not null,
/// an object or an array.
IncomingMessage classify(const nlohmann::json& message);

} // namespace lsp
