#pragma once

#include <stdexcept>
#include <string>

namespace lsp {

/// JSON-RPC and protocol error codes.
namespace errors {
constexpr int kParseError = -32700;
constexpr int kInvalidRequest = -32600;
constexpr int kMethodNotFound = -32601;
constexpr int kInvalidParams = -32602;
constexpr int kInternalError = -32603;
constexpr int kServerNotInitialized = -32002;
constexpr int kRequestCancelled = -32800;
} // namespace errors

/// A request that gets an error response instead of a result.
class RpcError : public std::runtime_error {
  public:
    RpcError(int code, const std::string& message) : std::runtime_error(message), code_(code) {}
    int code() const { return code_; }

  private:
    int code_;
};

} // namespace lsp
