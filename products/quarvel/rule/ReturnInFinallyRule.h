#pragma once

#include "products/quarvel/rule/Rule.h"

namespace products::quarvel::rule {

/// Rule 1012: a return inside a finally block.
class ReturnInFinallyRule : public Rule {
  public:
    static constexpr std::int32_t kNumber = 1012;
};

} // namespace products::quarvel::rule
