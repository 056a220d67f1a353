#pragma once

#include "lsp/Analyzer.h"
#include "lsp/Severity.h"

#include <functional>
#include <nlohmann/json.hpp>
#include <string_view>

namespace lsp {

/// The protocol's diagnostics of an analysis of `text`, one per defect in the order found:
/// the defect's line from its first to its last non-blank character, the severity of the
/// rule's level, the rule's number as the code, "quarvel" as the source and the message as
/// quarvel prints it; a defect that the baseline holds is a hint. A bad directive gives one
/// error diagnostic, with no code, at the line its message names.
nlohmann::json diagnosticsFor(const AnalysisOutcome& outcome, std::string_view text,
                              const std::function<Level(std::int32_t)>& levelOf);

} // namespace lsp
