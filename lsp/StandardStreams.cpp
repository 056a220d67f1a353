#include "lsp/StandardStreams.h"

#include "platform/Platform.h"

namespace lsp {

std::ptrdiff_t StandardInput::read(char* buffer, std::size_t size) {
    return platform::readStandardInput(buffer, size);
}

bool StandardOutput::write(std::string_view bytes) {
    return platform::writeStandardOutput(bytes.data(), bytes.size()) == 0;
}

} // namespace lsp
