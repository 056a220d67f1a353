#include "scan/cli/ScanOptions.h"

#include <array>
#include <charconv>
#include <utility>

namespace scan::cli {
namespace {

constexpr std::array<std::pair<std::string_view, Format>, 8> kFormats = {{
    {"text", Format::kText},
    {"sarif", Format::kSarif},
    {"checkstyle", Format::kCheckstyle},
    {"codeclimate", Format::kCodeClimate},
    {"gnu", Format::kGnu},
    {"github", Format::kGithub},
    {"summary", Format::kSummary},
    {"shard", Format::kShard},
}};

std::string formatList() {
    std::string names;
    for (const auto& [name, format] : kFormats)
        names.append(names.empty() ? "" : ", ").append(name);
    return names;
}

std::optional<std::uint64_t> number(std::string_view text) {
    std::uint64_t value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc() || end != text.data() + text.size())
        return std::nullopt;
    return value;
}

/// "K/N" with 1 <= K <= N.
std::optional<Shard> shardOf(std::string_view text) {
    const std::size_t slash = text.find('/');
    if (slash == std::string_view::npos)
        return std::nullopt;
    const auto index = number(text.substr(0, slash));
    const auto count = number(text.substr(slash + 1));
    if (!index || !count || *index < 1 || *count < 1 || *index > *count || *count > 100000)
        return std::nullopt;
    return Shard{static_cast<unsigned>(*index), static_cast<unsigned>(*count)};
}

/// The options that take a value, and what they do with it.
struct Reader {
    ScanOptions& options;
    std::string& error;
    std::optional<std::string> pendingOutput; ///< an --output before its --format
    bool lastReportHasOutput = true;

    bool fail(std::string text) {
        error = std::move(text);
        return false;
    }

    bool take(std::string_view option, std::string_view value) {
        if (option == "--config-file") {
            options.configFile = std::string(value);
        } else if (option == "--include") {
            options.include.emplace_back(value);
        } else if (option == "--exclude") {
            options.exclude.emplace_back(value);
        } else if (option == "--quarvel-config") {
            options.quarvelConfig = std::string(value);
        } else if (option == "--baseline") {
            options.baseline = std::string(value);
        } else if (option == "--write-baseline") {
            options.writeBaseline = std::string(value);
        } else if (option == "--new-from-rev") {
            if (value.empty())
                return fail("--new-from-rev needs a revision");
            options.newFromRevision = std::string(value);
        } else if (option == "--fail-on") {
            if (value == "none")
                options.failOn = FailOn::kNone;
            else if (value == "any")
                options.failOn = FailOn::kAny;
            else if (value == "new")
                options.failOn = FailOn::kNew;
            else
                return fail("--fail-on takes none, any or new, not '" + std::string(value) + "'");
        } else if (option == "--max-defects" || option == "--max-results" ||
                   option == "--max-annotations" || option == "--jobs") {
            const auto count = number(value);
            if (!count)
                return fail(std::string(option) + " takes a number, not '" + std::string(value) +
                            "'");
            if (option == "--max-defects")
                options.maxDefects = *count;
            else if (option == "--max-results")
                options.maxResults = *count;
            else if (option == "--max-annotations")
                options.maxAnnotations = *count;
            else if (*count < 1 || *count > 1024)
                return fail("--jobs takes a number from 1 to 1024");
            else
                options.jobs = static_cast<unsigned>(*count);
        } else if (option == "--format") {
            Format format{};
            bool known = false;
            for (const auto& [name, candidate] : kFormats) {
                if (name == value) {
                    format = candidate;
                    known = true;
                }
            }
            if (!known)
                return fail("unknown format '" + std::string(value) +
                            "' (formats: " + formatList() + ")");
            options.reports.push_back({format, pendingOutput.value_or("")});
            lastReportHasOutput = pendingOutput.has_value();
            pendingOutput.reset();
        } else if (option == "--output") {
            if (value.empty())
                return fail("--output needs a file name (- for standard output)");
            const std::string output = value == "-" ? "" : std::string(value);
            if (!lastReportHasOutput && !options.reports.empty()) {
                options.reports.back().output = output;
                lastReportHasOutput = true;
            } else if (pendingOutput) {
                return fail("two --output options for one --format");
            } else {
                pendingOutput = output;
            }
        } else if (option == "--shard") {
            const auto shard = shardOf(value);
            if (!shard)
                return fail("--shard takes K/N with 1 <= K <= N, not '" + std::string(value) + "'");
            options.shard = shard;
        } else if (option == "--color") {
            if (value == "auto")
                options.color = Color::kAuto;
            else if (value == "always")
                options.color = Color::kAlways;
            else if (value == "never")
                options.color = Color::kNever;
            else
                return fail("--color takes auto, always or never");
        } else {
            return fail("unknown option '" + std::string(option) + "'");
        }
        return true;
    }
};

bool takesValue(std::string_view option) {
    for (const char* name :
         {"--config-file", "--include", "--exclude", "--quarvel-config", "--baseline",
          "--write-baseline", "--new-from-rev", "--fail-on", "--max-defects", "--format",
          "--output", "--max-results", "--max-annotations", "--shard", "--color", "--jobs"}) {
        if (option == name)
            return true;
    }
    return false;
}

} // namespace

std::string_view formatName(Format format) {
    for (const auto& [name, candidate] : kFormats) {
        if (candidate == format)
            return name;
    }
    return "";
}

ParsedCommandLine parseCommandLine(const std::vector<std::string_view>& arguments,
                                   std::optional<std::string> (*environment)(const char*)) {
    ParsedCommandLine parsed;
    ScanOptions& options = parsed.options;
    Reader reader{options, parsed.error, std::nullopt, true};
    bool optionsEnded = false;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string_view argument = arguments[i];
        if (optionsEnded || argument.empty() || argument[0] != '-' || argument == "-") {
            options.paths.emplace_back(argument);
            continue;
        }
        if (argument == "--") {
            optionsEnded = true;
        } else if (argument == "-h" || argument == "--help") {
            parsed.action = Action::kHelp;
            return parsed;
        } else if (argument == "--version") {
            parsed.action = Action::kVersion;
            return parsed;
        } else if (argument == "--follow") {
            options.followLinks = true;
        } else if (argument == "--no-ignore") {
            options.gitIgnores = false;
        } else if (argument == "--no-config") {
            options.noConfig = true;
        } else if (argument == "--merge") {
            options.merge = true;
        } else if (argument == "--no-progress") {
            options.progress = false;
        } else {
            std::string_view option = argument;
            std::optional<std::string_view> value;
            if (const std::size_t equals = argument.find('='); equals != std::string_view::npos) {
                option = argument.substr(0, equals);
                value = argument.substr(equals + 1);
            }
            if (!takesValue(option)) {
                parsed.error = "unknown option '" + std::string(option) + "'";
                return parsed;
            }
            if (!value) {
                if (i + 1 >= arguments.size()) {
                    parsed.error = std::string(option) + " needs a value";
                    return parsed;
                }
                value = arguments[++i];
            }
            if (!reader.take(option, *value))
                return parsed;
        }
    }
    if (reader.pendingOutput) {
        // An --output with no --format after it: the default form goes there.
        options.reports.push_back({Format::kText, *reader.pendingOutput});
    }
    std::size_t toStandardOutput = 0;
    for (const Report& report : options.reports)
        toStandardOutput += report.output.empty() ? 1 : 0;
    if (toStandardOutput > 1) {
        parsed.error = "only one report can go to standard output: give the others --output";
        return parsed;
    }
    if (options.noConfig && options.configFile) {
        parsed.error = "--no-config and --config-file exclude each other";
        return parsed;
    }
    if (options.merge && options.paths.empty()) {
        parsed.error = "--merge needs the shard files to combine";
        return parsed;
    }
    if (options.merge && (options.shard || options.newFromRevision || options.baseline)) {
        parsed.error = "--merge combines what the shards found: give --shard, --baseline and "
                       "--new-from-rev to the shards";
        return parsed;
    }
    if (options.baseline && options.writeBaseline) {
        parsed.error = "--baseline and --write-baseline exclude each other";
        return parsed;
    }
    if (!options.shard && !options.merge && environment) {
        const auto index = environment("CI_NODE_INDEX");
        const auto total = environment("CI_NODE_TOTAL");
        if (index && total && !index->empty() && !total->empty()) {
            options.shard = shardOf(*index + "/" + *total);
            if (!options.shard) {
                parsed.error =
                    "CI_NODE_INDEX and CI_NODE_TOTAL do not give a shard: " + *index + "/" + *total;
                return parsed;
            }
        }
    }
    if (options.paths.empty())
        options.paths.emplace_back(".");
    return parsed;
}

std::string usageText() {
    return "Usage: quarvel-scan [OPTIONS] [PATH...]\n"
           "Checks the Java sources under each PATH (default: the current folder) against\n"
           "Quarvel's rules, leaving out what git ignores.\n"
           "\n"
           "Selecting files:\n"
           "  --include GLOB          check only files a glob covers (repeatable)\n"
           "  --exclude GLOB          leave out what a glob covers (repeatable)\n"
           "  --follow                follow symbolic links inside the folders walked\n"
           "  --no-ignore             do not leave out what git ignores\n"
           "  --shard K/N             check the K-th of N shares of the files\n"
           "Configuration:\n"
           "  --config-file FILE      read this quarvel.toml (default: the nearest one)\n"
           "  --no-config             read none\n"
           "  --quarvel-config FILE   also switch off the rules of a quarvel -config file\n"
           "Adopting:\n"
           "  --write-baseline FILE   record today's defects\n"
           "  --baseline FILE         report only defects not recorded in FILE\n"
           "  --new-from-rev REV      report only defects on lines new since git revision REV\n"
           "  --fail-on none|any|new  when the run fails with status 3 (default: new)\n"
           "  --max-defects N         fail only above N defects (default: 0)\n"
           "Reports:\n"
           "  --format FORMAT         " +
           formatList() +
           "\n"
           "                          (repeatable; default: text on a terminal, else gnu)\n"
           "  --output FILE           where the --format before it goes (default: standard\n"
           "                          output)\n"
           "  --max-results N         SARIF results at most, most severe first (default: 25000)\n"
           "  --max-annotations N     GitHub annotations at most (default: 50)\n"
           "  --merge FILE...         combine the shard reports of --shard runs\n"
           "  --color auto|always|never  colours in text on a terminal (NO_COLOR is honoured)\n"
           "  --no-progress           no progress line on a terminal\n"
           "  --jobs N                threads that analyse files (default: one per processor)\n"
           "  --help, --version\n"
           "\n"
           "Exit status: 0 clean or not gated, 3 the gate failed, 1 a file could not be\n"
           "analysed or a report could not be written, 2 a wrong command line or configuration.\n";
}

} // namespace scan::cli
