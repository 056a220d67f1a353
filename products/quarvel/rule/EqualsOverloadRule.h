#pragma once

#include "products/quarvel/rule/Rule.h"

namespace products::quarvel::rule {

/// Rule 1026: a public equals method whose parameter is not an Object.
class EqualsOverloadRule : public Rule {
  public:
    static constexpr std::int32_t kNumber = 1026;
};

} // namespace products::quarvel::rule
