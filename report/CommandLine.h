#pragma once

#include "report/Formats.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace report {

struct Options {
    Format format = Format::kGnu;
    std::string input;  ///< empty for standard input
    std::string output; ///< empty for standard output (given as "-" or not at all)
    bool failOnDefects = false;
};

enum class Action { kConvert, kHelp, kVersion };

struct CommandLine {
    Action action = Action::kConvert;
    Options options;
};

/// The command line, or what is wrong with it.
struct ParsedCommandLine {
    std::optional<CommandLine> commandLine;
    std::string error;
};

/// Reads the arguments after the program name.
ParsedCommandLine parseCommandLine(const std::vector<std::string_view>& arguments);

std::string usageText();

} // namespace report
