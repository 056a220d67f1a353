#pragma once

#include "tests/growth/GrowthTexts.h"

#include <cstddef>

namespace quarvel::testing {

/// Processor seconds that the text's rule takes on the text grown to `size` bytes, the least of
/// `tries` runs (views built beforehand, not timed).
double ruleSeconds(const GrowthText& text, std::size_t size, int tries = 1);

} // namespace quarvel::testing
