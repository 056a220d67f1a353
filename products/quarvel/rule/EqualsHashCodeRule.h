#pragma once

#include "products/quarvel/rule/Rule.h"

namespace products::quarvel::rule {

/// Rule 1014: a file that defines equals and hashCode a different number of times.
class EqualsHashCodeRule : public Rule {
  public:
    static constexpr std::int32_t kNumber = 1014;
    void checkCode(const std::string& code, DefectSink& defects) const override;
};

} // namespace products::quarvel::rule
