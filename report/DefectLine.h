#pragma once

#include "products/quarvel/rule/RuleCatalogue.h"
#include "products/quarvel/rule/RuleLevel.h"

#include <cstdint>
#include <optional>
#include <string_view>

namespace report {

/// One defect of a run, split into its parts; the views point into the run's text.
struct DefectLine {
    std::string_view fileName;
    std::int32_t line;
    const products::quarvel::rule::RuleInfo* rule;
    std::string_view message;
    /// How serious it is in this run; quarvel's own output makes every defect a warning.
    products::quarvel::rule::Level level = products::quarvel::rule::Level::kWarning;
    /// The defect's identity from run to run (32 hex digits), when the producer knows one;
    /// empty otherwise.
    std::string_view fingerprint = {};
    /// How it compares with a baseline ("new"), when the run was given one; empty otherwise.
    std::string_view baselineState = {};
};

/// Splits a line (without its line end) of the form FILE ":" LINE " Rule(" NUMBER ") "
/// MESSAGE. A file name may hold anything, even text of that form, so the split is where
/// what follows is a line number, a known rule and a message that rule gives. Nothing when
/// the line is not a defect line.
std::optional<DefectLine> parseDefectLine(std::string_view text);

/// Whether a text that ends without a line feed is a defect line cut short: it holds a line
/// number and the start of a rule reference (":12 Rule("), which no failure message has.
bool looksLikeCutDefectLine(std::string_view text);

} // namespace report
