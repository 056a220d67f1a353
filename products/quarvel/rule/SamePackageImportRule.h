#pragma once

#include "products/quarvel/rule/Rule.h"

namespace products::quarvel::rule {

/// Rule 1036: an import of a class from the file's own package.
class SamePackageImportRule : public Rule {
  public:
    static constexpr std::int32_t kNumber = 1036;
};

} // namespace products::quarvel::rule
