#pragma once

#include "products/quarvel/rule/Rule.h"
#include "products/quarvel/rule/RuleLevel.h"

namespace products::quarvel::rule {

/// Rule 1010: the broken double-checked locking idiom.
class DoubleCheckedLockingRule : public Rule {
  public:
    static constexpr std::int32_t kNumber = 1010;
    static constexpr Level kLevel = Level::kError;
    static constexpr const char kName[] = "DoubleCheckedLocking";
    static constexpr char kMessage[] = "Broken double lock idiom.";
    static constexpr const char kHelp[] = "`if (x == null)`, `synchronized (...) {`, the same `if "
                                          "(x == null)` and a `new`: unsafe lazy creation";
    void checkCode(const std::string& code, DefectListener& defects) const override;
};

} // namespace products::quarvel::rule
