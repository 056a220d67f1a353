#pragma once

#include "products/quarvel/rule/Rule.h"

namespace products::quarvel::rule {

/// Rule 1022: a line longer than 80 bytes.
class LongLineRule : public Rule {
  public:
    static constexpr std::int32_t kNumber = 1022;
};

} // namespace products::quarvel::rule
