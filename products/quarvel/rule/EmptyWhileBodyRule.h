#pragma once

#include "products/quarvel/rule/Rule.h"

namespace products::quarvel::rule {

/// Rule 1017: a while statement whose body is an empty statement.
class EmptyWhileBodyRule : public Rule {
  public:
    static constexpr std::int32_t kNumber = 1017;
    static constexpr const char kName[] = "EmptyWhileBody";
    static constexpr const char kHelp[] =
        "A `while` whose body is a lone semicolon: `while (busy());`, except the `while` right "
        "after the brace that closes a `do`";
    DefectList checkCode(const std::string& code, const std::string& fileName) const override;
};

} // namespace products::quarvel::rule
