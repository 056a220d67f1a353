#include "report/CommandLine.h"

namespace report {
namespace {
constexpr std::string_view kFormatOption = "--format";
constexpr std::string_view kOutputOption = "--output";

ParsedCommandLine failure(std::string error) {
    return {std::nullopt, std::move(error)};
}

/// The value of an option given as "--name value" or "--name=value"; `at` moves past it.
std::optional<std::string_view> optionValue(const std::vector<std::string_view>& arguments,
                                            std::size_t& at, std::string_view name) {
    const std::string_view argument = arguments[at];
    if (argument.size() > name.size() && argument[name.size()] == '=')
        return argument.substr(name.size() + 1);
    if (at + 1 == arguments.size())
        return std::nullopt;
    return arguments[++at];
}

bool isOption(std::string_view argument, std::string_view name) {
    return argument == name ||
           (argument.size() > name.size() && argument.substr(0, name.size()) == name &&
            argument[name.size()] == '=');
}
} // namespace

ParsedCommandLine parseCommandLine(const std::vector<std::string_view>& arguments) {
    CommandLine commandLine;
    Options& options = commandLine.options;
    bool inputGiven = false;
    bool optionsEnded = false;
    for (std::size_t at = 0; at < arguments.size(); ++at) {
        const std::string_view argument = arguments[at];
        const bool isOptionText = !optionsEnded && argument.size() > 1 && argument[0] == '-';
        if (!isOptionText) {
            if (inputGiven)
                return failure("only one input can be read; \"" + std::string(argument) +
                               "\" is one too many");
            inputGiven = true;
            options.input = argument == "-" && !optionsEnded ? "" : std::string(argument);
        } else if (argument == "--") {
            optionsEnded = true;
        } else if (argument == "--help" || argument == "-h") {
            commandLine.action = Action::kHelp;
        } else if (argument == "--version") {
            commandLine.action = Action::kVersion;
        } else if (argument == "--fail-on-defects") {
            options.failOnDefects = true;
        } else if (isOption(argument, kFormatOption)) {
            const auto name = optionValue(arguments, at, kFormatOption);
            if (!name)
                return failure("--format needs a format: " + formatNames());
            const auto format = formatNamed(*name);
            if (!format)
                return failure("unknown format \"" + std::string(*name) + "\"; the formats are " +
                               formatNames());
            options.format = *format;
        } else if (isOption(argument, kOutputOption)) {
            const auto file = optionValue(arguments, at, kOutputOption);
            if (!file || file->empty())
                return failure("--output needs a file name");
            options.output = *file == "-" ? "" : std::string(*file); // "./-" names a file "-"
        } else {
            return failure("unknown option \"" + std::string(argument) + "\"");
        }
    }
    return {commandLine, ""};
}

std::string usageText() {
    return "Usage: quarvel-report [--format FORMAT] [--output FILE] [--fail-on-defects] "
           "[INPUT]\n"
           "\n"
           "Reads the output of a quarvel run from INPUT, or from standard input when INPUT\n"
           "is missing or \"-\", and writes its defects as a report for other tools, to FILE\n"
           "or to standard output (when FILE is missing or \"-\"):\n"
           "  quarvel -projects all.jnt | quarvel-report --format sarif --output quarvel.sarif\n"
           "\n"
           "Formats:\n"
           "  sarif        SARIF 2.1.0 (GitHub code scanning and other SARIF viewers)\n"
           "  checkstyle   the XML report layout of Checkstyle (Jenkins, review bots)\n"
           "  codeclimate  GitLab's Code Quality report (JSON)\n"
           "  gnu          File.java:12: warning: Empty catch block. [1006] (the default;\n"
           "               editors and CI problem matchers read it)\n"
           "  github       GitHub Actions workflow commands (annotations)\n"
           "\n"
           "Options:\n"
           "  --output FILE      write the report beside FILE, and put it in FILE's place\n"
           "                     at the end; FILE is never the input\n"
           "  --fail-on-defects  exit with status 3 when the run reported any defect\n"
           "  --help             print this text\n"
           "  --version          print the version\n"
           "\n"
           "Exit status:\n"
           "  0    the run ended normally (with or without defects)\n"
           "  1    the run failed, did not finish, or the input is not the output of a run;\n"
           "       or the input or the report could not be read or written. The report of\n"
           "       what was found is written all the same, except that FILE keeps what it\n"
           "       held when the input could not be read or is no run at all.\n"
           "  2    the command line of quarvel-report is wrong, or the report would be\n"
           "       written over its input\n"
           "  3    with --fail-on-defects: the run ended normally and reported defects\n"
           "  141  the reader of the report went away (as after SIGPIPE)\n";
}

} // namespace report
