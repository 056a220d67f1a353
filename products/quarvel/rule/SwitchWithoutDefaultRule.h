#pragma once

#include "products/quarvel/rule/Rule.h"
#include "products/quarvel/rule/RuleLevel.h"

namespace products::quarvel::rule {

/// Rule 1004: a switch on one word whose body has no default label.
class SwitchWithoutDefaultRule : public Rule {
  public:
    static constexpr std::int32_t kNumber = 1004;
    static constexpr Level kLevel = Level::kWarning;
    static constexpr const char kName[] = "SwitchWithoutDefault";
    static constexpr char kMessage[] = "No default case found in switch block.";
    static constexpr const char kHelp[] =
        "A switch on one word whose body never contains `default`: `switch (x) { case 1: break; }`";
    /// A switch without its closing brace is examined up to the end of the text.
    void checkCode(const std::string& code, DefectListener& defects) const override;
};

} // namespace products::quarvel::rule
