#include "report/CommandLine.h"
#include "report/Conversion.h"
#include "report/ToolInfo.h"

#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#endif

int main(int argc, char** argv) {
#ifdef _WIN32
    // Bytes in, bytes out: the run's CR LF line ends are read as they are, and reports are
    // written with line feeds on every platform.
    _setmode(_fileno(stdin), _O_BINARY);
    _setmode(_fileno(stdout), _O_BINARY);
#endif
    const std::vector<std::string_view> arguments(argv + 1, argv + argc);
    const report::ParsedCommandLine parsed = report::parseCommandLine(arguments);
    if (!parsed.commandLine) {
        std::fprintf(stderr,
                     "quarvel-report: %s\nRun \"quarvel-report --help\" to see how it is used.\n",
                     parsed.error.c_str());
        return report::kExitUsage;
    }
    switch (parsed.commandLine->action) {
    case report::Action::kHelp:
        std::fputs(report::usageText().c_str(), stdout);
        return report::kExitNormalRun;
    case report::Action::kVersion:
        std::printf("quarvel-report %s\n", std::string(report::thisTool().version).c_str());
        return report::kExitNormalRun;
    case report::Action::kConvert:
        break;
    }
    return report::convert(parsed.commandLine->options, stdin, stdout, stderr);
}
