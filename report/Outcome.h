#pragma once

#include "report/RunListener.h"

#include <string>

namespace report {

/// A short title for how a run ended, for reports that show one.
std::string outcomeTitle(const RunOutcome& outcome);

/// What a person needs to know about how a run ended; empty for a run that finished.
std::string outcomeMessage(const RunOutcome& outcome);

} // namespace report
