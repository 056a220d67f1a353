#pragma once

#include "products/quarvel/rule/Rule.h"
#include "products/quarvel/rule/RuleLevel.h"

namespace products::quarvel::rule {

/// Rule 1023: a local variable that is never used in its scope.
class UnusedLocalVariableRule : public Rule {
  public:
    static constexpr std::int32_t kNumber = 1023;
    static constexpr Level kLevel = Level::kWarning;
    static constexpr const char kName[] = "UnusedLocalVariable";
    static constexpr char kMessage[] = "Unused local variable.";
    static constexpr const char kHelp[] =
        "A word, a name and `;` or `=` in a method body whose name never stands again between two "
        "non-word bytes before its block closes: `void f() { int x = 1; }`";
    /// Reports each declaration in a method body whose name does not occur again in its block.
    void checkCode(const std::string& code, DefectListener& defects) const override;
};

} // namespace products::quarvel::rule
