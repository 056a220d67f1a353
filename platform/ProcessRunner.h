#pragma once

#include <optional>
#include <string>
#include <vector>

namespace platform {

/// What a program that ran to its end left: its exit status (128 plus the signal's number
/// when a signal ended it) and everything it wrote.
struct ProcessOutcome {
    int exitStatus = 0;
    std::string output;      ///< standard output, byte for byte
    std::string errorOutput; ///< standard error, byte for byte
};

/// Runs the program arguments[0], found on the PATH, with the other arguments, each passed
/// as one argument whatever bytes it holds. Its standard input is empty; its standard output
/// and standard error are read whole. The variables named in unsetVariables are left out of
/// its environment. nullopt when the program cannot be started (the reason is then in
/// lastErrorCode()).
std::optional<ProcessOutcome> runProgram(const std::vector<std::string>& arguments,
                                         const std::vector<std::string>& unsetVariables = {});

} // namespace platform
