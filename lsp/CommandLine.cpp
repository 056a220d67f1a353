#include "lsp/CommandLine.h"

namespace lsp {
namespace {

constexpr std::string_view kDebounce = "--debounce=";
constexpr std::string_view kClientProcess = "--clientProcessId=";
constexpr long kMaxDebounce = 10000;

bool startsWith(std::string_view text, std::string_view prefix) {
    return text.substr(0, prefix.size()) == prefix;
}

/// Milliseconds from 0 to kMaxDebounce, written in decimal digits.
std::optional<long> milliseconds(std::string_view text) {
    if (text.empty() || text.size() > 5 ||
        text.find_first_not_of("0123456789") != std::string_view::npos)
        return std::nullopt;
    const long value = std::stol(std::string(text));
    if (value > kMaxDebounce)
        return std::nullopt;
    return value;
}

} // namespace

std::optional<CommandLine> parseCommandLine(const std::vector<std::string_view>& arguments,
                                            std::string& error) {
    CommandLine commandLine;
    for (const std::string_view argument : arguments) {
        if (argument == "--help" || argument == "-h") {
            commandLine.action = CommandLine::Action::kHelp;
        } else if (argument == "--version") {
            commandLine.action = CommandLine::Action::kVersion;
        } else if (argument == "--stdio" || startsWith(argument, kClientProcess)) {
            continue;
        } else if (startsWith(argument, kDebounce)) {
            const std::optional<long> value = milliseconds(argument.substr(kDebounce.size()));
            if (!value) {
                error = "--debounce wants milliseconds from 0 to " + std::to_string(kMaxDebounce) +
                        ", not '" + std::string(argument.substr(kDebounce.size())) + "'";
                return std::nullopt;
            }
            commandLine.debounce = std::chrono::milliseconds(*value);
        } else {
            error = "unknown argument '" + std::string(argument) + "'";
            return std::nullopt;
        }
    }
    return commandLine;
}

std::string usageText() {
    return "Usage: quarvel-lsp [--debounce=MILLISECONDS]\n"
           "       quarvel-lsp --help | --version\n"
           "\n"
           "A language server for Quarvel's Java checks. It speaks the Language Server\n"
           "Protocol on standard input and output; start it from an editor, not by hand.\n"
           "\n"
           "  --debounce=MILLISECONDS  how long a document must rest after a change before\n"
           "                           it is checked (0 to 10000, default 200)\n"
           "  --stdio                  accepted, as editors pass it; standard input and\n"
           "                           output are the only transport\n"
           "  --help                   print this text and stop\n"
           "  --version                print the version and stop\n"
           "\n"
           "See quarvel-lsp(1).\n";
}

} // namespace lsp
