#pragma once

#include "products/quarvel/rule/Rule.h"

namespace products::quarvel::rule {

/// Rule 1010: the broken double-checked locking idiom.
class DoubleCheckedLockingRule : public Rule {
  public:
    static constexpr std::int32_t kNumber = 1010;
    void checkCode(const std::string& code, DefectSink& defects) const override;
};

} // namespace products::quarvel::rule
