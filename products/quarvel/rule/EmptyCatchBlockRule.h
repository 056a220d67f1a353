#pragma once

#include "products/quarvel/rule/Rule.h"

namespace products::quarvel::rule {

/// Rule 1006: a catch block that holds nothing but white space and braces.
class EmptyCatchBlockRule : public Rule {
  public:
    static constexpr std::int32_t kNumber = 1006;
    void checkCode(const std::string& code, DefectSink& defects) const override;
};

} // namespace products::quarvel::rule
