#include "platform/WindowsCommandLine.h"

namespace platform {

namespace {

void appendQuoted(std::string& line, const std::string& argument) {
    if (!argument.empty() && argument.find_first_of(" \t\n\v\"") == std::string::npos) {
        line += argument;
        return;
    }
    line += '"';
    std::size_t backslashes = 0;
    for (const char byte : argument) {
        if (byte == '\\') {
            ++backslashes;
            continue;
        }
        if (byte == '"') // the backslashes before a quote, and the quote, are escaped
            line.append(backslashes * 2 + 1, '\\');
        else
            line.append(backslashes, '\\');
        backslashes = 0;
        line += byte;
    }
    line.append(backslashes * 2, '\\'); // they stand before the closing quote
    line += '"';
}

} // namespace

std::string windowsCommandLine(const std::vector<std::string>& arguments) {
    std::string line;
    for (const std::string& argument : arguments) {
        if (!line.empty())
            line += ' ';
        appendQuoted(line, argument);
    }
    return line;
}

} // namespace platform
