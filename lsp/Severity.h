#pragma once

#include "products/quarvel/rule/RuleLevel.h"

#include <cstdint>

namespace lsp {

using products::quarvel::rule::Level;

/// A rule's own level, as the rule catalogue gives it (a warning for a number that is no
/// rule).
Level defaultLevel(std::int32_t rule);

/// The protocol's DiagnosticSeverity of a level (1 error, 2 warning, 3 information).
int severityOf(Level level);

} // namespace lsp
