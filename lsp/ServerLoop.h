#pragma once

#include "lsp/MessageOutput.h"
#include "lsp/ByteSource.h"
#include "lsp/Server.h"

#include <cstdint>

namespace lsp {

/// The largest message the server reads; a larger one is dropped and answered with an error.
constexpr std::uint64_t kMaxMessageBytes = 64ull * 1024 * 1024;

/// Serves one client: reads messages until "exit" or the end of the input, and returns the
/// exit status (0 after "shutdown", 1 without).
int serve(ByteSource& input, MessageOutput& output, const ServerOptions& options,
          std::uint64_t maxMessageBytes = kMaxMessageBytes);

} // namespace lsp
