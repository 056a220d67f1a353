#pragma once

#include "lsp/MessageOutput.h"
#include "lsp/ByteSource.h"

namespace lsp {

/// The process's standard input, read as bytes as they arrive.
class StandardInput : public ByteSource {
  public:
    std::ptrdiff_t read(char* buffer, std::size_t size) override;
};

/// The process's standard output, written as bytes, whole.
class StandardOutput : public MessageOutput {
  public:
    bool write(std::string_view bytes) override;
};

} // namespace lsp
