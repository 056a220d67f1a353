#pragma once

#include <chrono>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace lsp {

struct CommandLine {
    enum class Action { kServe, kHelp, kVersion };
    Action action = Action::kServe;
    std::chrono::milliseconds debounce{200};
};

/// Reads quarvel-lsp's arguments. "--stdio" and "--clientProcessId=N", which editors pass
/// to language servers, are accepted and change nothing. nullopt with `error` set for
/// anything else that is not an option of the program.
std::optional<CommandLine> parseCommandLine(const std::vector<std::string_view>& arguments,
                                            std::string& error);

/// The text of --help.
std::string usageText();

} // namespace lsp
