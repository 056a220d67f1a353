#pragma once

#include "products/quarvel/rule/Rule.h"

namespace products::quarvel::rule {

/// Rule 1027: an inequality comparison with the literal false.
class FalseInequalityRule : public Rule {
  public:
    static constexpr std::int32_t kNumber = 1027;
    DefectList checkCode(const std::string& code, const std::string& fileName) const override;
};

} // namespace products::quarvel::rule
