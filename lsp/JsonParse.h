#pragma once

#include <nlohmann/json.hpp>
#include <stdexcept>
#include <string_view>

namespace lsp {

/// A body that is not JSON, or one too deep or too large to hold.
class JsonSyntaxError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

/// Parses a message body.
///
/// JSON is UTF-8, but an editor may send a buffer's bytes as they are. Inside strings, a byte
/// that starts no well-formed UTF-8 sequence is kept as that very byte, and an escaped UTF-16
/// surrogate without its partner (such as "\ud800" alone) becomes U+FFFD, which an editor
/// also counts as one code unit. Anything else that is not JSON throws JsonSyntaxError, as
/// does nesting deeper than kMaxDepth or more than kMaxValues values.
nlohmann::json parseJson(std::string_view body);

constexpr std::size_t kMaxDepth = 512;
constexpr std::size_t kMaxValues = 2 * 1024 * 1024;

} // namespace lsp
