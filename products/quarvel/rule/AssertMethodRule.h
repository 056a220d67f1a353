#pragma once

#include "products/quarvel/rule/Rule.h"

namespace products::quarvel::rule {

/// Rule 1015: a call of a method named assert through a qualifier.
class AssertMethodRule : public Rule {
  public:
    static constexpr std::int32_t kNumber = 1015;
    void checkCode(const std::string& code, DefectSink& defects) const override;
};

} // namespace products::quarvel::rule
