#pragma once

#include <string_view>

namespace lsp {

/// Where messages go: standard output, or a text in tests.
class MessageOutput {
  public:
    /// Writes every byte; false when the output refuses them (the client has gone).
    virtual bool write(std::string_view bytes) = 0;

  protected:
    ~MessageOutput() = default;
};

} // namespace lsp
