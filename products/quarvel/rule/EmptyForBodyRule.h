#pragma once

#include "products/quarvel/rule/Rule.h"
#include "products/quarvel/rule/RuleLevel.h"

namespace products::quarvel::rule {

/// Rule 1025: a for statement whose body is an empty statement.
class EmptyForBodyRule : public Rule {
  public:
    static constexpr std::int32_t kNumber = 1025;
    static constexpr Level kLevel = Level::kError;
    static constexpr const char kName[] = "EmptyForBody";
    static constexpr char kMessage[] = "for statement with empty body.";
    static constexpr const char kHelp[] =
        "A `for` whose body is a lone semicolon: `for (i = 0; i < n; i++);`";
    void checkCode(const std::string& code, DefectListener& defects) const override;
};

} // namespace products::quarvel::rule
