#pragma once

#include <string>
#include <vector>

namespace platform {

/// The command line that hands each argument unchanged to a program that splits its command
/// line as the C runtime does: an argument with a blank or a quote is quoted, quotes in it
/// and the backslashes before them are escaped, an empty argument is "".
std::string windowsCommandLine(const std::vector<std::string>& arguments);

} // namespace platform
