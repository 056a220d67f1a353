#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace scan::cli {

/// The forms a report can take.
enum class Format { kText, kSarif, kCheckstyle, kCodeClimate, kGnu, kGithub, kSummary, kShard };

/// One report of the run: a form and where it goes (empty: standard output).
struct Report {
    Format format;
    std::string output;
};

enum class FailOn { kNone, kAny, kNew };
enum class Color { kAuto, kAlways, kNever };

struct Shard {
    unsigned index = 1; ///< from 1
    unsigned count = 1;
};

struct ScanOptions {
    std::vector<std::string> paths; ///< files and folders to walk; shard files with --merge
    std::optional<std::string> configFile;
    bool noConfig = false;
    std::vector<std::string> include;
    std::vector<std::string> exclude;
    bool followLinks = false;
    bool gitIgnores = true;
    std::optional<std::string> quarvelConfig; ///< quarvel's own disable(N) file
    std::optional<std::string> baseline;
    std::optional<std::string> writeBaseline;
    std::optional<std::string> newFromRevision;
    FailOn failOn = FailOn::kNew;
    std::uint64_t maxDefects = 0;
    /// Empty: one report in the default form on standard output.
    std::vector<Report> reports;
    std::uint64_t maxResults = 25000;
    std::uint64_t maxAnnotations = 50;
    std::optional<Shard> shard;
    bool merge = false;
    unsigned jobs = 0; ///< 0: one per processor
    Color color = Color::kAuto;
    bool progress = true;
};

enum class Action { kScan, kHelp, kVersion };

struct ParsedCommandLine {
    Action action = Action::kScan;
    ScanOptions options;
    std::string error; ///< what is wrong with the command line; empty when nothing is
};

/// Reads the arguments after the program name. `environment` gives a variable's value (for
/// the shard a CI system sets: CI_NODE_INDEX and CI_NODE_TOTAL), or nullopt.
ParsedCommandLine
parseCommandLine(const std::vector<std::string_view>& arguments,
                 std::optional<std::string> (*environment)(const char* name) = nullptr);

std::string usageText();

/// The name of a form as the command line writes it.
std::string_view formatName(Format format);

} // namespace scan::cli
