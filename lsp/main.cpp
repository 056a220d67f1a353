#include "lsp/CommandLine.h"
#include "lsp/ServerLoop.h"
#include "lsp/StandardStreams.h"
#include "platform/Platform.h"

#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

int main(int argc, char** argv) {
    platform::useBinaryStandardStreams();
    platform::ignoreBrokenPipeSignal();
    const std::vector<std::string_view> arguments(argv + 1, argv + argc);
    std::string error;
    const std::optional<lsp::CommandLine> commandLine = lsp::parseCommandLine(arguments, error);
    if (!commandLine) {
        std::fprintf(stderr, "quarvel-lsp: %s\nRun \"quarvel-lsp --help\" to see how it is used.\n",
                     error.c_str());
        return 2;
    }
    switch (commandLine->action) {
    case lsp::CommandLine::Action::kHelp:
        std::fputs(lsp::usageText().c_str(), stdout);
        return 0;
    case lsp::CommandLine::Action::kVersion:
        std::printf("quarvel-lsp %s\n", QUARVEL_VERSION);
        return 0;
    case lsp::CommandLine::Action::kServe:
        break;
    }
    lsp::ServerOptions options;
    options.debounce = commandLine->debounce;
    lsp::StandardInput input;
    lsp::StandardOutput output;
    return lsp::serve(input, output, options);
}
