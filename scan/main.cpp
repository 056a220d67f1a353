#include "platform/Platform.h"
#include "report/ToolInfo.h"
#include "scan/cli/ScanOptions.h"
#include "scan/run/Scan.h"

#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#else
#include <unistd.h>
#endif

namespace {

std::optional<std::string> environmentVariable(const char* name) {
    if (const char* value = std::getenv(name))
        return std::string(value);
    return std::nullopt;
}

bool isTerminal(std::FILE* stream) {
#ifdef _WIN32
    return _isatty(_fileno(stream)) != 0;
#else
    return isatty(fileno(stream)) != 0;
#endif
}

} // namespace

int main(int argc, char** argv) {
#ifdef _WIN32
    _setmode(_fileno(stdout), _O_BINARY);
#endif
    platform::limitHeapsUnderAddressSpaceLimit();
    const std::vector<std::string_view> arguments(argv + 1, argv + argc);
    const scan::cli::ParsedCommandLine parsed =
        scan::cli::parseCommandLine(arguments, environmentVariable);
    if (!parsed.error.empty()) {
        std::fprintf(stderr,
                     "quarvel-scan: %s\nRun \"quarvel-scan --help\" to see how it is used.\n",
                     parsed.error.c_str());
        return 2;
    }
    switch (parsed.action) {
    case scan::cli::Action::kHelp:
        std::fputs(scan::cli::usageText().c_str(), stdout);
        return std::fflush(stdout) == 0 ? 0 : 1;
    case scan::cli::Action::kVersion:
        std::printf("quarvel-scan %s\n", std::string(report::thisTool().version).c_str());
        return std::fflush(stdout) == 0 ? 0 : 1;
    case scan::cli::Action::kScan:
        break;
    }
    return scan::run::scan(parsed.options, stdout, stderr, {environmentVariable, isTerminal});
}
