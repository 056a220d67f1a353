#pragma once

#include <string>

namespace util::parser {

/// The last component of a path: double quotes removed, only the backslash separates, and a
/// space after the last full stop cuts the name when it lies after the last backslash.
std::string fileNameOf(const std::string& name);

/// The text after the last full stop of fileNameOf(name), or the empty text.
std::string extensionOf(const std::string& name);

} // namespace util::parser
