#pragma once

#include "products/quarvel/rule/Rule.h"
#include "products/quarvel/rule/RuleLevel.h"

namespace products::quarvel::rule {

/// Rule 1039: a case section that falls through without break, return, throw or continue.
class BreakInSwitchRule : public Rule {
  public:
    static constexpr std::int32_t kNumber = 1039;
    static constexpr Level kLevel = Level::kWarning;
    static constexpr const char kName[] = "BreakInSwitch";
    static constexpr char kMessage[] = "No break statement found.";
    static constexpr const char kHelp[] =
        "A `case` section with a statement and no `break`, `return`, `throw`, `continue` or "
        "fall-through remark before the next label: `case 1: x = 1; case 2:`";
    /// Finds the switches in the raw text; each nested switch is examined on its own.
    void checkRaw(const std::string& raw, DefectListener& defects) const override;
};

} // namespace products::quarvel::rule
