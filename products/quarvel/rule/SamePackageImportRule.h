#pragma once

#include "products/quarvel/rule/Rule.h"

namespace products::quarvel::rule {

/// Rule 1036: an import of a class from the file's own package.
class SamePackageImportRule : public Rule {
  public:
    static constexpr std::int32_t kNumber = 1036;
    /// Reports the first import after the declaration that names the declared package.
    void checkCode(const std::string& code, DefectSink& defects) const override;
};

} // namespace products::quarvel::rule
