#pragma once

#include "products/quarvel/rule/Rule.h"
#include "products/quarvel/rule/RuleLevel.h"

namespace products::quarvel::rule {

/// Rule 1027: an inequality comparison with the literal false.
class FalseInequalityRule : public Rule {
  public:
    static constexpr std::int32_t kNumber = 1027;
    static constexpr Level kLevel = Level::kNote;
    static constexpr const char kName[] = "FalseInequality";
    static constexpr char kMessage[] = "Inequality operation on 'false' boolean literal.";
    static constexpr const char kHelp[] = "`!=` next to `false`: `if (done != false)`";
    void checkCode(const std::string& code, DefectListener& defects) const override;
};

} // namespace products::quarvel::rule
