#pragma once

#include <cstddef>

namespace lsp {

/// Where messages come from: standard input, or a text in tests.
class ByteSource {
  public:
    /// Reads up to `size` bytes, waiting only until some arrive. Returns how many were read,
    /// 0 at the end of the input, or a negative number when the input fails.
    virtual std::ptrdiff_t read(char* buffer, std::size_t size) = 0;

  protected:
    ~ByteSource() = default;
};

} // namespace lsp
