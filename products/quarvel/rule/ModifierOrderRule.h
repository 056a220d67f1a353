#pragma once

#include "products/quarvel/rule/Rule.h"
#include "products/quarvel/rule/RuleLevel.h"

namespace products::quarvel::rule {

/// Rule 1008: two modifiers written in the wrong order.
class ModifierOrderRule : public Rule {
  public:
    static constexpr std::int32_t kNumber = 1008;
    static constexpr Level kLevel = Level::kNote;
    static constexpr const char kName[] = "ModifierOrder";
    static constexpr char kMessage[] =
        "Order of modifiers should be pub pro pri abs sta fin synch nat stri.";
    static constexpr const char kHelp[] =
        "Two modifiers in the wrong order, also across lines and comments: `static public void "
        "main`, `final static int x;`";
    /// One defect per wrong pair, at the line of its first modifier.
    void checkCode(const std::string& code, DefectListener& defects) const override;
};

} // namespace products::quarvel::rule
