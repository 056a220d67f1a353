#pragma once

#include "products/quarvel/rule/Rule.h"
#include "products/quarvel/rule/RuleLevel.h"

namespace products::quarvel::rule {

/// Rule 1009: an equality comparison with the literal true.
class TrueEqualityRule : public Rule {
  public:
    static constexpr std::int32_t kNumber = 1009;
    static constexpr Level kLevel = Level::kNote;
    static constexpr const char kName[] = "TrueEquality";
    static constexpr char kMessage[] = "Equality operation on 'true' boolean literal.";
    static constexpr const char kHelp[] = "`==` next to `true`: `if (done == true)`";
    void checkCode(const std::string& code, DefectListener& defects) const override;
};

} // namespace products::quarvel::rule
