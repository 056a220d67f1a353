#pragma once

#include "products/quarvel/rule/AllRules.h"
#include "products/quarvel/rule/RuleRegistry.h"
#include "products/quarvel/ruleconfig/DirectiveRuleDisableParser.h"

#include <atomic>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace lsp {

/// A defect as quarvel prints it: rule, line (counted by line feeds, from 1) and message.
struct Finding {
    std::int32_t rule;
    std::int32_t line;
    std::string message;
    /// Recorded in the workspace's baseline: a known defect, shown as a hint.
    bool known = false;
};

/// What one analysis of a text found: its defects, or the failure of a bad disable
/// directive in it (then no rule ran).
struct AnalysisOutcome {
    std::vector<Finding> findings;
    struct DirectiveError {
        std::int32_t line;
        std::string message;
    };
    std::optional<DirectiveError> directiveError;
};

/// What checks a document's text: quarvel's rules, or a stand-in in tests.
class TextChecker {
  public:
    virtual ~TextChecker() = default;

    /// The outcome, or nullopt when `cancelled` was set before a rule started (or before
    /// the directives were read). The rules
    /// that `rulesOff` names, or the text's own directives, do not run.
    virtual std::optional<AnalysisOutcome> analyse(const std::string& text,
                                                   const std::vector<std::int32_t>& rulesOff,
                                                   const std::atomic<bool>& cancelled) const = 0;
};

/// Runs the rules over a text as quarvel runs them over a file.
class Analyzer : public TextChecker {
  public:
    Analyzer() : registry_(rules_.registry()) {}

    std::optional<AnalysisOutcome> analyse(const std::string& text,
                                           const std::vector<std::int32_t>& rulesOff,
                                           const std::atomic<bool>& cancelled) const override;

  private:
    const products::quarvel::rule::AllRules rules_;
    const products::quarvel::rule::RuleRegistry registry_;
    const products::quarvel::ruleconfig::DirectiveRuleDisableParser disableParser_;
};

/// The line that a directive failure's message names ("... Line: 3. ..."), or 1.
std::int32_t lineNamedIn(const std::string& message);

} // namespace lsp
