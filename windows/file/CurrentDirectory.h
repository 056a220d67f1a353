#pragma once

#include <string>

namespace windows::file {

/// The current working directory followed by the path separator.
/// Throws CouldNotGetCurrentDirectoryException when the system cannot tell it.
std::string currentDirectory();

} // namespace windows::file
