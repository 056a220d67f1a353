#pragma once

#include "products/quarvel/rule/Rule.h"

namespace products::quarvel::rule {

/// Rule 1019: a misspelt equals, finalize or hashCode declaration.
class SuspiciousMethodNameRule : public Rule {
  public:
    static constexpr std::int32_t kNumber = 1019;
    /// Reports each declaration of equal(Object, finalise, finallize or hashcode.
    void checkCode(const std::string& code, DefectSink& defects) const override;
};

} // namespace products::quarvel::rule
