#pragma once

#include "products/quarvel/rule/Rule.h"

namespace products::quarvel::rule {

/// Rule 1021: a finally block that holds nothing but white space and braces.
class EmptyFinallyBlockRule : public Rule {
  public:
    static constexpr std::int32_t kNumber = 1021;
    void checkCode(const std::string& code, DefectSink& defects) const override;
};

} // namespace products::quarvel::rule
