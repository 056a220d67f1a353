#pragma once

#include "products/quarvel/rule/Rule.h"
#include "products/quarvel/rule/RuleLevel.h"

namespace products::quarvel::rule {

/// Rule 1029: an if whose condition is the literal true.
class UnnecessaryIfRule : public Rule {
  public:
    static constexpr std::int32_t kNumber = 1029;
    static constexpr Level kLevel = Level::kWarning;
    static constexpr const char kName[] = "UnnecessaryIf";
    static constexpr char kMessage[] = "Unnecessary if statement.";
    static constexpr const char kHelp[] = "An if on the literal true: `if (true) {`";
    /// One defect per if (true), at the word if.
    void checkCode(const std::string& code, DefectListener& defects) const override;
};

} // namespace products::quarvel::rule
