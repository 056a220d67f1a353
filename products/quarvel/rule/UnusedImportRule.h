#pragma once

#include "products/quarvel/rule/Rule.h"

namespace products::quarvel::rule {

/// Rule 1000: an import whose simple name is never used after it.
class UnusedImportRule : public Rule {
  public:
    static constexpr std::int32_t kNumber = 1000;
};

} // namespace products::quarvel::rule
