#pragma once

#include "app/FileLoader.h"
#include "app/OutputSink.h"
#include "products/quarvel/rule/RuleRegistry.h"
#include "products/quarvel/ruleconfig/RuleDisableParser.h"

#include <string>
#include <vector>

namespace app {

extern const char kProductName[];
extern const char kVersion[];

/// The banner, the command line, the configuration, the file list, every file through every
/// enabled rule, then the summary. Returns the exit status: 0, or 1 after a failure, whose
/// message is then the last thing printed.
int runAnalysis(const products::quarvel::rule::RuleRegistry& registry,
                const products::quarvel::ruleconfig::RuleDisableParser& disableParser,
                FileLoader& loader, OutputSink& output, int argumentCount,
                const char* const* arguments);

/// The line that tells how to call the program, with its line feed.
std::string usageText();

/// "\nAnalysed N file(s). D defects found.\nTotal time: S seconds".
std::string summaryText(std::size_t fileCount, std::uint32_t defectCount,
                        std::int64_t elapsedMilliseconds);

} // namespace app
