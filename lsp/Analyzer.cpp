#include "lsp/Analyzer.h"

#include "app/FileAnalysis.h"
#include "products/quarvel/ruleconfig/RuleConfigException.h"

#include <limits>

namespace lsp {
namespace {

/// Asked between two rules whether the analysis is still wanted.
class Cancellation : public app::StopRequest {
  public:
    explicit Cancellation(const std::atomic<bool>& cancelled) : cancelled_(cancelled) {}
    bool requested() const override { return cancelled_; }

  private:
    const std::atomic<bool>& cancelled_;
};

class CollectedDefects : public app::FileDefects {
  public:
    explicit CollectedDefects(std::vector<Finding>& findings) : findings_(findings) {}

    void startRule(std::int32_t number) override { rule_ = number; }
    void onDefect(std::int32_t line, std::string_view message) override {
        findings_.push_back({rule_, line, std::string(message)});
    }
    void finishRule(double) override {}

  private:
    std::vector<Finding>& findings_;
    std::int32_t rule_ = 0;
};

} // namespace

std::optional<AnalysisOutcome> Analyzer::analyse(const std::string& text,
                                                 const std::vector<std::int32_t>& rulesOff,
                                                 const std::atomic<bool>& cancelled) const {
    AnalysisOutcome outcome;
    CollectedDefects defects(outcome.findings);
    const Cancellation cancellation(cancelled);
    try {
        app::checkSource(text, registry_, disableParser_, rulesOff, defects, &cancellation);
    } catch (const app::AnalysisStopped&) {
        return std::nullopt;
    } catch (const products::quarvel::ruleconfig::RuleConfigException& failure) {
        outcome.findings.clear();
        outcome.directiveError = AnalysisOutcome::DirectiveError{lineNamedIn(failure.getMessage()),
                                                                 failure.getMessage()};
    }
    return outcome;
}

std::int32_t lineNamedIn(const std::string& message) {
    static constexpr std::string_view kLine = "Line: ";
    const std::size_t at = message.find(kLine);
    if (at == std::string::npos)
        return 1;
    std::int64_t line = 0;
    for (std::size_t i = at + kLine.size(); i < message.size(); ++i) {
        if (message[i] < '0' || message[i] > '9')
            break;
        line = std::min<std::int64_t>(line * 10 + (message[i] - '0'),
                                      std::numeric_limits<std::int32_t>::max());
    }
    return line > 0 ? static_cast<std::int32_t>(line) : 1;
}

} // namespace lsp
