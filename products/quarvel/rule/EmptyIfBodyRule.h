#pragma once

#include "products/quarvel/rule/Rule.h"

namespace products::quarvel::rule {

/// Rule 1016: an if statement whose body is an empty statement.
class EmptyIfBodyRule : public Rule {
  public:
    static constexpr std::int32_t kNumber = 1016;
    void checkCode(const std::string& code, DefectSink& defects) const override;
};

} // namespace products::quarvel::rule
