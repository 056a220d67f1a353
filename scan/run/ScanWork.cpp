#include "scan/run/ScanWork.h"

#include "exceptions/Exception.h"
#include "io/file/CouldNotLoadFileException.h"
#include "scan/baseline/Baseline.h"
#include "scan/run/OutcomeCodec.h"

#include <algorithm>
#include <new>

namespace scan::run {
namespace {

using products::quarvel::rule::findRule;

/// Keeps a file's defects with the rule that found them.
class CollectedDefects : public app::FileDefects {
  public:
    void startRule(std::int32_t number) override { rule_ = number; }
    void onDefect(std::int32_t line, std::string_view message) override {
        defects.push_back({rule_, line});
        messages.emplace_back(message);
    }
    void finishRule(double) override {}

    std::vector<baseline::FileDefect> defects;
    std::vector<std::string> messages;

  private:
    std::int32_t rule_ = 0;
};

/// Writes the output in pieces of about this size, as the run expects.
constexpr std::size_t kPieceBytes = 64 * 1024;

} // namespace

ScanWork::ScanWork(const std::vector<ScanFile>& files, const config::ScanConfig& config,
                   const std::vector<std::int32_t>& rulesOff,
                   const products::quarvel::rule::RuleRegistry& registry,
                   const products::quarvel::ruleconfig::RuleDisableParser& disableParser,
                   app::FileLoader& loader, Comparisons comparisons)
    : files_(files), config_(config), rulesOff_(rulesOff), registry_(registry),
      disableParser_(disableParser), loader_(loader), comparisons_(comparisons) {
    for (std::size_t index = 0; index < files.size(); ++index)
        byName_.emplace(files[index].name, index);
}

std::vector<Finding> ScanWork::findingsOf(const ScanFile& file,
                                          const app::StopRequest* stop) const {
    const config::RuleLevels levels = config_.levelsFor(file.relativePath);
    std::vector<std::int32_t> off = levels.rulesOff();
    off.insert(off.end(), rulesOff_.begin(), rulesOff_.end());

    const std::string raw = app::loadForAnalysis(loader_, file.name, stop);
    CollectedDefects collected;
    app::checkSource(raw, registry_, disableParser_, off, collected, stop);

    // In line order, and on one line in the order the rules found them.
    std::vector<std::size_t> order(collected.defects.size());
    for (std::size_t i = 0; i < order.size(); ++i)
        order[i] = i;
    std::stable_sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) {
        return collected.defects[a].line < collected.defects[b].line;
    });
    std::vector<baseline::FileDefect> sorted;
    sorted.reserve(order.size());
    for (const std::size_t i : order)
        sorted.push_back(collected.defects[i]);
    const std::vector<baseline::KeyedDefect> keyed =
        comparisons_.keyed ? baseline::keyDefects(file.relativePath, raw, sorted)
                           : std::vector<baseline::KeyedDefect>();

    std::vector<bool> inBaseline(sorted.size(), false);
    if (comparisons_.baseline) {
        const std::lock_guard<std::mutex> lock(baselineMutex_);
        inBaseline = comparisons_.baseline->match(keyed);
    }
    const tree::NewLines* newLines = nullptr;
    if (comparisons_.newLines && file.workTreePath)
        newLines = comparisons_.newLines->find(*file.workTreePath);

    std::vector<Finding> findings(sorted.size());
    for (std::size_t i = 0; i < sorted.size(); ++i) {
        Finding& finding = findings[i];
        finding.line = sorted[i].line;
        finding.rule = findRule(sorted[i].rule);
        finding.message = std::move(collected.messages[order[i]]);
        finding.level = levels.levelOf(sorted[i].rule).value_or(finding.rule->level);
        finding.inBaseline = inBaseline[i];
        finding.onNewLine =
            !comparisons_.newLines ||
            (newLines && newLines->contains(static_cast<std::size_t>(finding.line)));
        if (comparisons_.keyed) {
            finding.fingerprint = keyed[i].fingerprint();
            const baseline::Entry entry = baseline::entryOf(keyed[i]);
            finding.lineHash = entry.lineHash;
            finding.contextHash = entry.contextHash;
        }
    }
    return findings;
}

std::uint32_t ScanWork::analyse(const std::string& name, app::OutputChannel& result,
                                const app::StopRequest* stop) const {
    const ScanFile& file = files_[byName_.at(name)];
    std::string out;
    std::uint32_t count = 0;
    try {
        const std::vector<Finding> findings = findingsOf(file, stop);
        for (const Finding& finding : findings) {
            appendFinding(out, finding);
            ++count;
            if (out.size() >= kPieceBytes) {
                result.print(out);
                out.clear();
            }
        }
    } catch (const io::file::CouldNotLoadFileException& failure) {
        appendProblem(out, failure.reason().empty() ? failure.getMessage() : failure.reason());
    } catch (const exceptions::Exception& failure) {
        // A bad directive: its message tells the line, not the file.
        appendProblem(out, failure.getMessage());
    } catch (const std::bad_alloc&) {
        appendProblem(out, "ran out of memory while analysing the file");
    }
    appendEnd(out);
    result.print(out);
    return count;
}

} // namespace scan::run
