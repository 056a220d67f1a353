#pragma once

#include "products/quarvel/rule/Rule.h"

namespace products::quarvel::rule {

/// Rule 1039: a case section that falls through without break, return, throw or continue.
class BreakInSwitchRule : public Rule {
  public:
    static constexpr std::int32_t kNumber = 1039;
};

} // namespace products::quarvel::rule
