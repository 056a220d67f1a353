#pragma once

#include "app/FileLoader.h"
#include "app/OutputSink.h"
#include "products/quarvel/rule/RuleRegistry.h"
#include "products/quarvel/ruleconfig/RuleDisableParser.h"

#include <functional>
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

/// Receives the defects of one rule for one file, with the seconds the rule took (0 unless
/// the build profiles).
using RuleResults = std::function<void(
    std::int32_t ruleNumber, const products::quarvel::rule::DefectList& defects, double seconds)>;

/// Checks one source text: builds its views, reads its own disable directives (which may
/// throw RuleConfigException), and runs every rule that neither list switches off, in
/// ascending number.
void checkSource(const std::string& raw, const std::string& name,
                 const products::quarvel::rule::RuleRegistry& registry,
                 const products::quarvel::ruleconfig::RuleDisableParser& disableParser,
                 const std::vector<std::int32_t>& globallyDisabled, const RuleResults& onRule);

/// The line that tells how to call the program, with its line feed.
std::string usageText();

/// "\nAnalysed N file(s). D defects found.\nTotal time: S seconds".
std::string summaryText(std::size_t fileCount, std::uint32_t defectCount,
                        std::int64_t elapsedMilliseconds);

} // namespace app
