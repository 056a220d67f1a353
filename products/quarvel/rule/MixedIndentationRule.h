#pragma once

#include "products/quarvel/rule/Rule.h"

namespace products::quarvel::rule {

/// Rule 1007: indentation that goes against the file's own style, tabs or spaces.
class MixedIndentationRule : public Rule {
  public:
    static constexpr std::int32_t kNumber = 1007;
};

} // namespace products::quarvel::rule
