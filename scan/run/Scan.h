#pragma once

#include "scan/cli/ScanOptions.h"

#include <cstdio>
#include <optional>
#include <string>

namespace scan::run {

/// What the scan reads from its surroundings: a variable of the environment, and whether a
/// stream is a terminal.
struct Surroundings {
    std::optional<std::string> (*environment)(const char* name) = nullptr;
    bool (*isTerminal)(std::FILE* stream) = nullptr;
};

/// Walks the paths, analyses the files, compares and reports as the options say, and
/// returns the exit status: 0, 3 when the gate fails, 1 when a file could not be analysed or
/// a report could not be written, 2 for a configuration, baseline or revision that cannot be
/// used. With --merge, combines shard reports instead of walking.
int scan(const cli::ScanOptions& options, std::FILE* standardOutput, std::FILE* errors,
         const Surroundings& surroundings);

} // namespace scan::run
