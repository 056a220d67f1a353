#pragma once

#include "products/quarvel/rule/Rule.h"
#include "products/quarvel/rule/RuleLevel.h"

namespace products::quarvel::rule {

/// Rule 1015: a call of a method named assert through a qualifier.
class AssertMethodRule : public Rule {
  public:
    static constexpr std::int32_t kNumber = 1015;
    static constexpr Level kLevel = Level::kError;
    static constexpr const char kName[] = "AssertMethod";
    static constexpr char kMessage[] = "assert is a keyword in JDK1.4.";
    static constexpr const char kHelp[] =
        "A method named `assert` called through a qualifier: `Assert.assert(x);`";
    void checkCode(const std::string& code, DefectListener& defects) const override;
};

} // namespace products::quarvel::rule
