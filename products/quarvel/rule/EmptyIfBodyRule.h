#pragma once

#include "products/quarvel/rule/Rule.h"
#include "products/quarvel/rule/RuleLevel.h"

namespace products::quarvel::rule {

/// Rule 1016: an if statement whose body is an empty statement.
class EmptyIfBodyRule : public Rule {
  public:
    static constexpr std::int32_t kNumber = 1016;
    static constexpr Level kLevel = Level::kError;
    static constexpr const char kName[] = "EmptyIfBody";
    static constexpr char kMessage[] = "if statement with empty body.";
    static constexpr const char kHelp[] = "An `if` whose body is a lone semicolon: `if (ready);`";
    void checkCode(const std::string& code, DefectListener& defects) const override;
};

} // namespace products::quarvel::rule
