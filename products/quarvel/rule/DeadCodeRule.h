#pragma once

#include "products/quarvel/rule/Rule.h"
#include "products/quarvel/rule/RuleLevel.h"

namespace products::quarvel::rule {

/// Rule 1028: an if, while or for whose condition is the literal false.
class DeadCodeRule : public Rule {
  public:
    static constexpr std::int32_t kNumber = 1028;
    static constexpr Level kLevel = Level::kWarning;
    static constexpr const char kName[] = "DeadCode";
    static constexpr char kMessage[] = "Dead code detected.";
    static constexpr const char kHelp[] =
        "`if (false)`, `while (false)` or a `for` whose condition is `false`: `for (;false;)`";
    void checkCode(const std::string& code, DefectListener& defects) const override;
};

} // namespace products::quarvel::rule
