#pragma once

#include "products/quarvel/rule/Rule.h"
#include "products/quarvel/rule/RuleLevel.h"

namespace products::quarvel::rule {

/// Rule 1017: a while statement whose body is an empty statement.
class EmptyWhileBodyRule : public Rule {
  public:
    static constexpr std::int32_t kNumber = 1017;
    static constexpr Level kLevel = Level::kError;
    static constexpr const char kName[] = "EmptyWhileBody";
    static constexpr char kMessage[] = "while statement with empty body.";
    static constexpr const char kHelp[] =
        "A `while` whose body is a lone semicolon: `while (busy());`, except the `while` right "
        "after the brace that closes a `do`";
    void checkCode(const std::string& code, DefectListener& defects) const override;
};

} // namespace products::quarvel::rule
