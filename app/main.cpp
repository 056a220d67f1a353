#include "app/Analysis.h"
#include "app/ConsoleOutput.h"
#include "app/FileLoader.h"
#include "products/quarvel/rule/AllRules.h"
#include "products/quarvel/ruleconfig/DirectiveRuleDisableParser.h"

#include <cstdio>
#include <exception>
#include <iostream>

int main(int argc, char** argv) {
    if (argc == 1) {
        std::cout << "This is a command line program. Please run it from a DOS prompt.\n"
                     "Please view the manual for information how to run the program.\n"
                     "Press 'enter' to exit.\n"
                  << std::flush;
        std::getchar(); // returns at once when standard input is closed or at its end
        return 0;
    }
    try {
        app::ConsoleOutput output(std::cout, "", "", "");
        app::DiskFileLoader loader;
        products::quarvel::ruleconfig::DirectiveRuleDisableParser disableParser;
        const products::quarvel::rule::AllRules rules;
        const products::quarvel::rule::RuleRegistry registry = rules.registry();
        return app::runAnalysis(registry, disableParser, loader, output, argc, argv);
    } catch (const std::exception& failure) {
        // Not a failure of the program's own kind (running out of memory, for instance).
        std::cout << failure.what() << std::flush;
        return 1;
    }
}
