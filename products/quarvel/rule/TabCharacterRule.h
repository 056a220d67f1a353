#pragma once

#include "products/quarvel/rule/Rule.h"
#include "products/quarvel/rule/RuleLevel.h"

namespace products::quarvel::rule {

/// Rule 1020: a line that holds a tab outside comments and literals.
class TabCharacterRule : public Rule {
  public:
    static constexpr std::int32_t kNumber = 1020;
    static constexpr Level kLevel = Level::kNote;
    static constexpr const char kName[] = "TabCharacter";
    static constexpr char kMessage[] = "Tab found. Prefer space when indenting source code.";
    static constexpr const char kHelp[] =
        "A line holding a tab outside comments and literals, once per line: `<tab>int x;`";
    /// One defect per line, however many tabs it holds.
    void checkCode(const std::string& code, DefectListener& defects) const override;
};

} // namespace products::quarvel::rule
