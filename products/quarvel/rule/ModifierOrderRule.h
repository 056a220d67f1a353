#pragma once

#include "products/quarvel/rule/Rule.h"

namespace products::quarvel::rule {

/// Rule 1008: two modifiers written in the wrong order.
class ModifierOrderRule : public Rule {
  public:
    static constexpr std::int32_t kNumber = 1008;
};

} // namespace products::quarvel::rule
