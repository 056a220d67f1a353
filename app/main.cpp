#include "app/Analysis.h"
#include "app/ConsoleOutput.h"
#include "app/FileLoader.h"
#include "platform/Platform.h"
#include "products/quarvel/rule/AllRules.h"
#include "products/quarvel/ruleconfig/DirectiveRuleDisableParser.h"
#include "util/StandardOutput.h"

#include <cstdio>
#include <exception>

namespace {

/// Ends a run whose output cannot be written: a reader that went away ends it quietly, as
/// SIGPIPE ends a command-line tool; any other refusal is told on standard error.
int outputLost(const util::OutputFailure& failure) {
    if (platform::isBrokenPipe(failure.errorNumber()))
        return platform::brokenPipeExitStatus();
    std::fprintf(stderr, "quarvel: %s\n", failure.what());
    return 1;
}

} // namespace

int main(int argc, char** argv) {
    platform::installInterruptHandling();
    platform::limitHeapsUnderAddressSpaceLimit();
    try {
        if (argc == 1) {
            util::writeStandardOutput(
                "This is a command line program. Please run it from a DOS prompt.\n"
                "Please view the manual for information how to run the program.\n"
                "Press 'enter' to exit.\n");
            std::getchar(); // returns at once when standard input is closed or at its end
            return 0;
        }
        app::ConsoleOutput output("", "", "");
        app::DiskFileLoader loader;
        products::quarvel::ruleconfig::DirectiveRuleDisableParser disableParser;
        const products::quarvel::rule::AllRules rules;
        const products::quarvel::rule::RuleRegistry registry = rules.registry();
        return app::runAnalysis(registry, disableParser, loader, output, argc, argv);
    } catch (const util::OutputFailure& failure) {
        return outputLost(failure);
    } catch (const std::exception& failure) {
        // Not a failure of the program's own kind, nor one that the run tells itself.
        std::fprintf(stderr, "quarvel: %s\n", failure.what());
        return 1;
    }
}
