#pragma once

#include "products/quarvel/rule/Rule.h"

namespace products::quarvel::rule {

/// Rule 1030: a class extending Thread without a run method.
class ThreadWithoutRunRule : public Rule {
  public:
    static constexpr std::int32_t kNumber = 1030;
};

} // namespace products::quarvel::rule
