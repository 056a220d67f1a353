#pragma once

#include "products/quarvel/rule/Rule.h"

namespace products::quarvel::rule {

/// Rule 1035: a file without a package declaration.
class MissingPackageRule : public Rule {
  public:
    static constexpr std::int32_t kNumber = 1035;
    /// At most one defect, on line 1.
    void checkCode(const std::string& code, DefectSink& defects) const override;
};

} // namespace products::quarvel::rule
