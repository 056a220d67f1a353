#include "app/FileAnalysis.h"

#include "products/quarvel/search/SharedScans.h"
#include "util/parser/compiler/syntaxhighlighter/SourceViews.h"

#include <algorithm>

namespace app {
namespace {

using products::quarvel::rule::checkViews;
using products::quarvel::rule::RuleRegistry;
using products::quarvel::ruleconfig::RuleDisableParser;
using util::parser::compiler::syntaxhighlighter::makeSourceViews;
using util::parser::compiler::syntaxhighlighter::SourceViews;

bool contains(const std::vector<std::int32_t>& numbers, std::int32_t number) {
    return std::find(numbers.begin(), numbers.end(), number) != numbers.end();
}

/// Adds each rule's time to the profile, in builds that profile.
class ProfiledPrinter : public DefectPrinter {
  public:
    ProfiledPrinter(const std::string& fileName, OutputChannel& result, RunProfile& profile)
        : DefectPrinter(fileName, result), profile_(profile) {}
    void startRule(std::int32_t number) override {
        number_ = number;
        DefectPrinter::startRule(number);
    }
    void finishRule(double seconds) override {
        DefectPrinter::finishRule(seconds);
        profile_.addRule(number_, seconds);
    }

  private:
    RunProfile& profile_;
    std::int32_t number_ = 0;
};

} // namespace

void checkSource(const std::string& raw, const RuleRegistry& registry,
                 const RuleDisableParser& disableParser,
                 const std::vector<std::int32_t>& globallyDisabled, FileDefects& defects,
                 const StopRequest* stop) {
    const auto checkpoint = [stop] {
        if (stop && stop->requested())
            throw AnalysisStopped();
    };
    const SourceViews views = makeSourceViews(raw);
    const products::quarvel::search::SharedScans shared({&views.code});
    checkpoint();
    const std::vector<std::int32_t> fileDisabled =
        disableParser.parse(raw, RuleDisableParser::kSourceMode);
    for (const auto& [number, rule] : registry) {
        if (contains(globallyDisabled, number) || contains(fileDisabled, number))
            continue;
        checkpoint();
        const Stopwatch ruleTime;
        defects.startRule(number);
        checkViews(*rule, views, defects);
        defects.finishRule(RunProfile::kEnabled ? ruleTime.seconds() : 0.0);
    }
}

std::string loadForAnalysis(FileLoader& loader, const std::string& name, const StopRequest* stop) {
    const auto requested = [stop] { return stop != nullptr && stop->requested(); };
    if (requested())
        throw AnalysisStopped();
    std::string raw = loader.load(name, 0, requested);
    if (requested())
        throw AnalysisStopped();
    return raw;
}

std::uint32_t FileAnalysis::analyse(const std::string& name, OutputChannel& result,
                                    const StopRequest* stop) const {
    const Stopwatch fileTime;
    const std::string raw = loadForAnalysis(loader_, name, stop);
    if constexpr (RunProfile::kEnabled) {
        ProfiledPrinter printer(name, result, profile_);
        checkSource(raw, registry_, disableParser_, globallyDisabled_, printer, stop);
        profile_.addFile(name, raw.size(), fileTime.seconds());
        return printer.count();
    } else {
        DefectPrinter printer(name, result);
        checkSource(raw, registry_, disableParser_, globallyDisabled_, printer, stop);
        return printer.count();
    }
}

} // namespace app
