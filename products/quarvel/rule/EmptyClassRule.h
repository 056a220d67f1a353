#pragma once

#include "products/quarvel/rule/Rule.h"

namespace products::quarvel::rule {

/// Rule 1041: a class whose body holds nothing but white space and braces.
class EmptyClassRule : public Rule {
  public:
    static constexpr std::int32_t kNumber = 1041;
    void checkCode(const std::string& code, DefectSink& defects) const override;
};

} // namespace products::quarvel::rule
