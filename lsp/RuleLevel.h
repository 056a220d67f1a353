#pragma once

#include <cstdint>

namespace lsp {

/// How much a rule's defects matter: shown as an error, a warning or an information.
enum class RuleLevel { kError, kWarning, kNote };

/// The level a rule has when the configuration does not set one. Every rule is a warning
/// for now: the rule catalogue does not carry levels yet.
RuleLevel defaultLevel(std::int32_t rule);

/// The protocol's DiagnosticSeverity of a level (1 error, 2 warning, 3 information).
int severityOf(RuleLevel level);

} // namespace lsp
