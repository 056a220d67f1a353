#pragma once

#include "products/quarvel/rule/Rule.h"

namespace products::quarvel::rule {

/// Rule 1038: a parameter list in which not every parameter is final.
class NonFinalParameterRule : public Rule {
  public:
    static constexpr std::int32_t kNumber = 1038;
    /// Reports each parameter list of a construct with a body in which a parameter is not final.
    void checkCode(const std::string& code, DefectSink& defects) const override;
};

} // namespace products::quarvel::rule
