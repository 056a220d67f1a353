#pragma once

#include "products/quarvel/rule/Rule.h"

namespace products::quarvel::rule {

/// Rule 1037: a file whose block comments hold no author tag.
class MissingAuthorTagRule : public Rule {
  public:
    static constexpr std::int32_t kNumber = 1037;
};

} // namespace products::quarvel::rule
