#pragma once

#include "products/quarvel/rule/Rule.h"
#include "products/quarvel/rule/RuleLevel.h"

namespace products::quarvel::rule {

/// Rule 1040: a layout constraint given as a string literal when adding a component.
class StringLayoutConstraintRule : public Rule {
  public:
    static constexpr std::int32_t kNumber = 1040;
    static constexpr Level kLevel = Level::kNote;
    static constexpr const char kName[] = "StringLayoutConstraint";
    static constexpr char kMessage[] = "Do not use String literals when adding components.";
    static constexpr const char kHelp[] =
        "An `.add(...)` call with a border constraint as a literal, even in a comment: "
        "`panel.add(button, \"North\");`";
    /// Searches the raw text, so calls written in comments count too.
    void checkRaw(const std::string& raw, DefectListener& defects) const override;
};

} // namespace products::quarvel::rule
