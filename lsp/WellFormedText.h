#pragma once

#include <string>
#include <string_view>

namespace lsp {

/// The text as well-formed UTF-8, for what the server writes: well-formed sequences stay,
/// and every other byte stands for the character with its value (as in Latin-1), as
/// quarvel-report writes such bytes.
std::string wellFormedText(std::string_view text);

} // namespace lsp
