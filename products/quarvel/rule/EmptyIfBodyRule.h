#pragma once

#include "products/quarvel/rule/Rule.h"

namespace products::quarvel::rule {

/// Rule 1016: an if statement whose body is an empty statement.
class EmptyIfBodyRule : public Rule {
  public:
    static constexpr std::int32_t kNumber = 1016;
    static constexpr const char kName[] = "EmptyIfBody";
    static constexpr const char kHelp[] = "An `if` whose body is a lone semicolon: `if (ready);`";
    DefectList checkCode(const std::string& code, const std::string& fileName) const override;
};

} // namespace products::quarvel::rule
