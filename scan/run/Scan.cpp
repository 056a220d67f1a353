#include "scan/run/Scan.h"

#include "app/FileLoader.h"
#include "app/FileRun.h"
#include "exceptions/Exception.h"
#include "products/quarvel/rule/AllRules.h"
#include "products/quarvel/ruleconfig/DirectiveRuleDisableParser.h"
#include "report/TerminalText.h"
#include "scan/baseline/Baseline.h"
#include "scan/baseline/BaselineMatcher.h"
#include "scan/config/ScanConfig.h"
#include "scan/report/Reporting.h"
#include "scan/run/ConsumerChannel.h"
#include "scan/run/ScanWork.h"
#include "scan/run/ShardException.h"
#include "scan/run/ShardReader.h"
#include "scan/tree/Git.h"
#include "scan/tree/GitError.h"
#include "scan/tree/TreeWalk.h"
#include "scan/tree/WorkTreePaths.h"

#include <cerrno>
#include <chrono>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <map>
#include <set>
#include <sstream>

namespace scan::run {
namespace {

using products::quarvel::rule::Level;
using products::quarvel::rule::ruleCatalogue;

constexpr int kExitUsage = 2;
constexpr char kConfigFileName[] = "quarvel.toml";

/// A problem with what the run was given, told before anything is analysed: status 2.
struct SetupError {
    std::string message;
};

void tell(std::FILE* errors, const std::string& text) {
    const std::string line = "quarvel-scan: " + ::report::withVisibleControlBytes(text) + "\n";
    std::fwrite(line.data(), 1, line.size(), errors);
}

std::string readWhole(const std::string& fileName, const char* what) {
    std::ifstream in(fileName, std::ios::binary);
    std::error_code ignored;
    if (in && std::filesystem::is_directory(fileName, ignored))
        throw SetupError{std::string("cannot read the ") + what + " " + fileName + ": " +
                         std::strerror(EISDIR)};
    if (!in)
        throw SetupError{std::string("cannot read the ") + what + " " + fileName + ": " +
                         std::strerror(errno)};
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

/// The nearest quarvel.toml: in the current folder or a folder above it, no higher than the
/// top of the git work tree that holds the current folder.
std::optional<std::string> findConfigFile(tree::Git& git) {
    if (std::filesystem::is_regular_file(kConfigFileName))
        return std::string(kConfigFileName);
    std::optional<std::string> top;
    try {
        top = git.workTreeOf(".");
    } catch (const tree::GitError&) {
    }
    std::error_code failed;
    std::filesystem::path folder = std::filesystem::current_path(failed);
    if (failed)
        return std::nullopt;
    while (!(top && std::filesystem::equivalent(folder, *top, failed)) &&
           folder.has_relative_path()) {
        folder = folder.parent_path();
        if (std::filesystem::is_regular_file(folder / kConfigFileName, failed))
            return (folder / kConfigFileName).string();
    }
    return std::nullopt;
}

config::ScanConfig loadConfig(const cli::ScanOptions& options, tree::Git& git) {
    if (options.noConfig)
        return config::ScanConfig(".");
    const std::optional<std::string> file =
        options.configFile ? options.configFile : findConfigFile(git);
    if (!file)
        return config::ScanConfig(".");
    return config::ScanConfig::parse(readWhole(*file, "configuration file"), *file);
}

/// The rules that quarvel's own -config file switches off for every file.
std::vector<std::int32_t>
quarvelConfigRulesOff(const cli::ScanOptions& options,
                      const products::quarvel::ruleconfig::RuleDisableParser& parser) {
    if (!options.quarvelConfig)
        return {};
    const std::string text = readWhole(*options.quarvelConfig, "quarvel configuration file");
    return parser.parse(text, products::quarvel::ruleconfig::RuleDisableParser::kConfigurationMode);
}

/// Which shard a file belongs to, from its path alone, so that a file stays in its shard
/// when others come and go.
unsigned shardOf(const std::string& path, unsigned count) {
    std::uint64_t hash = 1469598103934665603ull;
    for (const char c : path) {
        hash ^= static_cast<unsigned char>(c);
        hash *= 1099511628211ull;
    }
    return static_cast<unsigned>(hash % count) + 1;
}

std::vector<Level> ruleLevels(const config::ScanConfig& config) {
    std::vector<Level> levels;
    for (const auto& rule : ruleCatalogue()) {
        const auto set = config.ruleOverride(rule.number);
        levels.push_back(set && *set ? **set : rule.level);
    }
    return levels;
}

/// A progress line on standard error, for a person at a terminal, once the run takes more
/// than a second.
class Progress {
  public:
    Progress(std::FILE* errors, std::size_t total) : errors_(errors), total_(total) {}
    void operator()(std::size_t done) {
        const auto now = std::chrono::steady_clock::now();
        if (done == 0) {
            if (shown_)
                std::fputs("\r\x1b[K", errors_);
            return;
        }
        if (now - start_ < std::chrono::seconds(1) || now - last_ < std::chrono::milliseconds(100))
            return;
        last_ = now;
        shown_ = true;
        std::fprintf(errors_, "\rquarvel-scan: %zu of %zu files", done, total_);
        std::fflush(errors_);
    }

  private:
    std::FILE* errors_;
    std::size_t total_;
    std::chrono::steady_clock::time_point start_ = std::chrono::steady_clock::now();
    std::chrono::steady_clock::time_point last_;
    bool shown_ = false;
};

report::ReportingSettings reportingSettings(const cli::ScanOptions& options,
                                            const config::ScanConfig& config,
                                            std::FILE* standardOutput,
                                            const Surroundings& surroundings) {
    report::ReportingSettings settings;
    settings.reports = options.reports;
    const bool terminal = surroundings.isTerminal && surroundings.isTerminal(standardOutput);
    if (settings.reports.empty())
        settings.reports.push_back({terminal ? cli::Format::kText : cli::Format::kGnu, ""});
    const auto noColor = surroundings.environment ? surroundings.environment("NO_COLOR")
                                                  : std::optional<std::string>();
    settings.color =
        options.color == cli::Color::kAlways ||
        (options.color == cli::Color::kAuto && terminal && !(noColor && !noColor->empty()));
    settings.maxResults = options.maxResults;
    settings.maxAnnotations = options.maxAnnotations;
    settings.failOn = options.failOn;
    settings.maxDefects = options.maxDefects;
    settings.writeBaseline = options.writeBaseline;
    for (const cli::Report& report : settings.reports) {
        if (report.format == cli::Format::kSummary && surroundings.environment) {
            if (const auto file = surroundings.environment("GITHUB_STEP_SUMMARY"))
                settings.stepSummary = *file;
        }
    }
    if (options.shard)
        settings.shard =
            std::to_string(options.shard->index) + "/" + std::to_string(options.shard->count);
    settings.ruleLevels = ruleLevels(config);
    return settings;
}

bool terminalProgress(const cli::ScanOptions& options, std::FILE* errors,
                      const Surroundings& surroundings) {
    return options.progress && surroundings.isTerminal && surroundings.isTerminal(errors);
}

/// How many of a baseline's entries are gone: those of the files analysed that no defect
/// took, and those of files that no longer exist (in this shard, when the run is one).
std::uint64_t baselineGone(const std::map<std::string, std::uint64_t>& recorded,
                           const std::map<std::string, std::uint64_t>& takenByPath,
                           const std::set<std::string>& analysed,
                           const std::set<std::string>& notAnalysed,
                           const config::ScanConfig& config,
                           const std::optional<cli::Shard>& shard) {
    std::uint64_t gone = 0;
    for (const auto& [path, count] : recorded) {
        if (analysed.count(path)) {
            const auto taken = takenByPath.find(path);
            gone += count - (taken == takenByPath.end() ? 0 : std::min(count, taken->second));
            continue;
        }
        if (notAnalysed.count(path) || (shard && shardOf(path, shard->count) != shard->index))
            continue;
        std::error_code failed;
        if (!std::filesystem::exists(std::filesystem::path(config.folder()) / path, failed) &&
            !failed)
            gone += count;
    }
    return gone;
}

int scanTree(const cli::ScanOptions& options, std::FILE* standardOutput, std::FILE* errors,
             const Surroundings& surroundings) {
    const std::unique_ptr<tree::Git> git = tree::makeGit();
    const config::ScanConfig config = loadConfig(options, *git);
    std::vector<config::Glob> include;
    std::vector<config::Glob> exclude;
    for (const std::string& pattern : options.include)
        include.emplace_back(pattern);
    for (const std::string& pattern : options.exclude)
        exclude.emplace_back(pattern);
    const products::quarvel::ruleconfig::DirectiveRuleDisableParser disableParser;
    const std::vector<std::int32_t> rulesOff = quarvelConfigRulesOff(options, disableParser);

    std::optional<std::vector<baseline::Entry>> recorded;
    const std::optional<std::string> baselineFile = options.writeBaseline ? std::nullopt
                                                    : options.baseline    ? options.baseline
                                                                          : config.baseline();
    if (baselineFile) {
        std::error_code failed;
        if (!options.baseline && !std::filesystem::exists(*baselineFile, failed))
            throw SetupError{"the baseline " + *baselineFile +
                             " named in the configuration file does not exist: write it with "
                             "--write-baseline " +
                             *baselineFile};
        recorded = baseline::parseBaseline(readWhole(*baselineFile, "baseline"), *baselineFile);
    }

    // The files: the walk, the globs, the shard.
    tree::WalkOptions walkOptions;
    walkOptions.followLinks = options.followLinks;
    walkOptions.gitIgnores = options.gitIgnores;
    walkOptions.filterTop = config.folder();
    walkOptions.filter = [&](const std::string& path, bool isFolder) {
        for (const config::Glob& glob : exclude) {
            if (glob.covers(path, isFolder))
                return false;
        }
        if (config.excludes(path, isFolder))
            return false;
        if (isFolder)
            return true;
        if (!include.empty() &&
            std::none_of(include.begin(), include.end(),
                         [&](const config::Glob& glob) { return glob.covers(path, false); }))
            return false;
        return config.selects(path);
    };
    const tree::WalkResult walked = tree::walkTree(options.paths, walkOptions, git.get());
    for (const std::string& warning : walked.warnings)
        tell(errors, warning);

    std::optional<tree::ChangedLines> changed;
    std::optional<tree::WorkTreePaths> workTreePaths;
    if (options.newFromRevision) {
        changed = git->changedLines(".", *options.newFromRevision);
        workTreePaths.emplace(changed->workTree());
    }

    report::ScanTotals totals;
    totals.filesIgnored = walked.ignoredFiles + walked.ignoredFolders;
    totals.filesExcluded = walked.excludedFiles + walked.excludedFolders;
    totals.comparedWithBaseline = recorded.has_value();
    totals.comparedWithRevision = changed.has_value();

    std::vector<ScanFile> files;
    std::set<std::string> analysedPaths;
    for (const tree::FoundFile& found : walked.files) {
        if (options.shard &&
            shardOf(found.filterPath, options.shard->count) != options.shard->index) {
            ++totals.filesOtherShards;
            continue;
        }
        ScanFile file{found.name, found.filterPath, std::nullopt};
        if (workTreePaths)
            file.workTreePath = workTreePaths->pathOf(found.name);
        analysedPaths.insert(found.filterPath);
        files.push_back(std::move(file));
    }

    // The matcher takes the entries of the files analysed; the others are only counted.
    std::optional<baseline::BaselineMatcher> matcher;
    std::map<std::string, std::uint64_t> recordedByPath;
    if (recorded) {
        std::vector<baseline::Entry> inScope;
        for (baseline::Entry& entry : *recorded) {
            ++recordedByPath[entry.path];
            if (analysedPaths.count(entry.path))
                inScope.push_back(std::move(entry));
        }
        recorded->clear();
        recorded->shrink_to_fit();
        matcher.emplace(inScope);
    }

    report::ReportingSettings settings =
        reportingSettings(options, config, standardOutput, surroundings);
    Progress progress(errors, files.size());
    if (terminalProgress(options, errors, surroundings))
        settings.progress = std::ref(progress);
    report::Reporting reporting(std::move(settings), totals, standardOutput, errors);
    if (!reporting.ready())
        return 1;

    // What the walk could not read is reported like a file that could not be analysed.
    for (const tree::WalkProblem& problem : walked.problems)
        reporting.add(FileOutcome{problem.path, problem.path, {}, problem.reason});

    const products::quarvel::rule::AllRules rules;
    const products::quarvel::rule::RuleRegistry registry = rules.registry();
    app::DiskFileLoader loader;
    const bool keyed =
        recorded || options.writeBaseline ||
        std::any_of(options.reports.begin(), options.reports.end(), [](const cli::Report& report) {
            return report.format == cli::Format::kSarif ||
                   report.format == cli::Format::kCodeClimate ||
                   report.format == cli::Format::kShard;
        });
    const ScanWork work(files, config, rulesOff, registry, disableParser, loader,
                        {matcher ? &*matcher : nullptr, changed ? &*changed : nullptr, keyed});
    std::vector<std::string> names;
    std::vector<std::string> relativePaths;
    for (const ScanFile& file : files) {
        names.push_back(file.name);
        relativePaths.push_back(file.relativePath);
    }
    std::map<std::string, std::uint64_t> takenByPath;
    std::set<std::string> failedPaths;
    ConsumerChannel consumer(names, relativePaths, [&](FileOutcome outcome) {
        if (outcome.problem)
            failedPaths.insert(outcome.relativePath);
        for (const Finding& finding : outcome.findings)
            takenByPath[outcome.relativePath] += finding.inBaseline ? 1 : 0;
        reporting.add(std::move(outcome));
    });
    std::string activity;
    const unsigned workers = options.jobs ? options.jobs : app::workerCount(files.size());
    app::analyseFiles(names, work, consumer, activity, workers);

    if (recorded) {
        for (const std::string& path : failedPaths)
            analysedPaths.erase(path);
        totals.baselineGone =
            baselineGone(recordedByPath, takenByPath, analysedPaths, failedPaths, config, options.shard);
    }
    return reporting.finish();
}

int mergeShards(const cli::ScanOptions& options, std::FILE* standardOutput, std::FILE* errors,
                const Surroundings& surroundings) {
    std::vector<std::unique_ptr<ShardReader>> readers;
    std::set<std::string> shards;
    std::string count;
    for (const std::string& fileName : options.paths) {
        readers.push_back(std::make_unique<ShardReader>(fileName));
        const std::string& shard = readers.back()->shard();
        const std::string shardCount = shard.substr(shard.find('/') + 1);
        if (!count.empty() && shardCount != count)
            throw ShardException(fileName + ": shard " + shard + " is not one of " + count);
        count = shardCount;
        if (!shards.insert(shard).second)
            throw ShardException(fileName + ": shard " + shard + " is given twice");
    }
    if (std::to_string(shards.size()) != count)
        throw ShardException("only " + std::to_string(shards.size()) + " of the " + count +
                             " shards are given: the combined report would lack the others");

    const config::ScanConfig noConfig(".");
    report::ScanTotals totals;
    report::Reporting reporting(reportingSettings(options, noConfig, standardOutput, surroundings),
                                totals, standardOutput, errors);
    if (!reporting.ready())
        return 1;
    // Each shard lists its files in order: the smallest name of the shards' next files
    // comes next.
    std::vector<std::optional<FileOutcome>> heads;
    for (const auto& reader : readers)
        heads.push_back(reader->next());
    for (;;) {
        std::optional<std::size_t> smallest;
        for (std::size_t i = 0; i < heads.size(); ++i) {
            if (heads[i] && (!smallest || heads[i]->name < heads[*smallest]->name))
                smallest = i;
        }
        if (!smallest)
            break;
        reporting.add(std::move(*heads[*smallest]));
        heads[*smallest] = readers[*smallest]->next();
    }
    for (const auto& reader : readers)
        reader->addTotals(totals);
    return reporting.finish();
}

} // namespace

int scan(const cli::ScanOptions& options, std::FILE* standardOutput, std::FILE* errors,
         const Surroundings& surroundings) {
    try {
        return options.merge ? mergeShards(options, standardOutput, errors, surroundings)
                             : scanTree(options, standardOutput, errors, surroundings);
    } catch (const SetupError& error) {
        tell(errors, error.message);
    } catch (const exceptions::Exception& error) {
        // A configuration, glob, baseline or shard report that cannot be used, an unknown
        // revision, or a bad quarvel configuration file.
        tell(errors, error.getMessage());
    }
    return kExitUsage;
}

} // namespace scan::run
