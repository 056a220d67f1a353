#include "app/Analysis.h"

#include "app/FileAnalysis.h"
#include "app/FileRun.h"
#include "app/ParserNotFoundException.h"
#include "app/ProjectParser.h"
#include "app/RunProfile.h"
#include "exceptions/Exception.h"
#include "util/StringHelper.h"
#include "util/parser/ArgumentParser.h"
#include "util/parser/ArgumentParserHelpers.h"

#include <algorithm>
#include <chrono>
#include <iostream>
#include <new>
#include <sstream>

namespace app {

const char kProductName[] = "Quarvel";
const char kVersion[] = "1.22";

namespace {

using products::quarvel::rule::RuleRegistry;
using products::quarvel::ruleconfig::RuleDisableParser;

const std::string kFilesFlag = "-files";
const std::string kConfigFlag = "-config";
const std::string kHelpFlag = "-help";
const std::string kProjectsFlag = "-projects";
const char kProjectExtension[] = "jnt";

std::string bannerText(std::size_t ruleCount) {
    return std::string(kProductName) + " v" + kVersion + ". Checks Java sources against " +
           std::to_string(ruleCount) +
           " numbered coding rules.\n"
           "Copyright (c) 2026 the Quarvel developers. Free to use in any build.\n";
}

std::int64_t monotonicMilliseconds() {
    using namespace std::chrono;
    return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

std::vector<std::string> projectFileNames(const std::vector<std::string>& projects,
                                          FileLoader& loader) {
    DelimitedProjectParser lineParser(loader, {""}, {"\n"}, kProjectExtension);
    const std::vector<const ProjectParser*> parsers = {&lineParser};
    std::vector<std::string> names;
    for (const std::string& project : projects) {
        const std::string extension = util::parser::extensionOf(project);
        const auto parser =
            std::find_if(parsers.begin(), parsers.end(), [&](const ProjectParser* candidate) {
                return candidate->acceptsExtension(extension);
            });
        if (parser == parsers.end())
            throw ParserNotFoundException("No parser found for the ." + extension +
                                          " project type.");
        const std::vector<std::string> listed = (*parser)->readFileNames(project);
        names.insert(names.end(), listed.begin(), listed.end());
    }
    return names;
}

} // namespace

std::string usageText() {
    return "Usage: " + util::StringHelper::toLowerCase(kProductName) + ".exe" + " " + kHelpFlag +
           " " + kFilesFlag + " file1 .. filen " + kConfigFlag + " configfile " + kProjectsFlag +
           " proj1.jnt .. projn.jnt\n";
}

std::string summaryText(std::size_t fileCount, std::uint32_t defectCount,
                        std::int64_t elapsedMilliseconds) {
    std::ostringstream text;
    text << "\nAnalysed " << fileCount << (fileCount == 1 ? " file. " : " files. ") << defectCount
         << " defects found.\n"
         << "Total time: " << static_cast<double>(elapsedMilliseconds) * 0.001 << " seconds";
    return text.str();
}

int runAnalysis(const RuleRegistry& registry, const RuleDisableParser& disableParser,
                FileLoader& loader, OutputSink& output, int argumentCount,
                const char* const* arguments) {
    OutputChannel& result = output.resultChannel();
    OutputChannel& status = output.statusChannel();
    // What the run is doing, for the message when memory runs out.
    std::string activity = "reading the command line.";
    try {
        status.print(bannerText(registry.size()));

        util::parser::ArgumentParser parser('-');
        parser.defineFlag(kFilesFlag, 1, util::parser::ArgumentParser::kUnlimited, true);
        parser.defineFlag(kConfigFlag, 1, 1, true);
        parser.defineFlag(kHelpFlag, 0, 0, true);
        parser.defineFlag(kProjectsFlag, 1, util::parser::ArgumentParser::kUnlimited, true);
        parser.parse(argumentCount - 1, arguments + 1);

        if (parser.hasFlag(kHelpFlag) ||
            (!parser.hasFlag(kFilesFlag) && !parser.hasFlag(kProjectsFlag))) {
            status.print(usageText());
            return 0;
        }
        status.print("\n");

        std::vector<std::int32_t> globallyDisabled;
        if (parser.hasFlag(kConfigFlag)) {
            const std::string& name = parser.getSingleArgument(kConfigFlag);
            activity = "reading the configuration file.\nFilename: '" + name + "'";
            globallyDisabled =
                disableParser.parse(loader.load(name, 0), RuleDisableParser::kConfigurationMode);
        }

        std::vector<std::string> files;
        if (parser.hasFlag(kFilesFlag))
            files = parser.getArguments(kFilesFlag);
        if (parser.hasFlag(kProjectsFlag)) {
            activity = "reading the project files.";
            const std::vector<std::string> listed =
                projectFileNames(parser.getArguments(kProjectsFlag), loader);
            files.insert(files.end(), listed.begin(), listed.end());
        }

        const std::int64_t start = monotonicMilliseconds();
        RunProfile profile;
        const FileAnalysis analysis(registry, disableParser, globallyDisabled, loader, profile);
        const std::uint32_t defectCount =
            analyseFiles(files, analysis, result, activity, workerCount(files.size()));
        activity = "writing the summary.";
        const std::int64_t elapsed = monotonicMilliseconds() - start;

        status.print(summaryText(files.size(), defectCount, elapsed));
        if constexpr (RunProfile::kEnabled)
            profile.write(std::cerr);
        return 0;
    } catch (const exceptions::Exception& failure) {
        result.print(failure.getMessage());
        return 1;
    } catch (const std::bad_alloc&) {
        // The texts of the file are freed by now, so there is room for the message.
        result.print("Ran out of memory while " + activity);
        return 1;
    }
}

} // namespace app
