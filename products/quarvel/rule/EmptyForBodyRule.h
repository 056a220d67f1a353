#pragma once

#include "products/quarvel/rule/Rule.h"

namespace products::quarvel::rule {

/// Rule 1025: a for statement whose body is an empty statement.
class EmptyForBodyRule : public Rule {
  public:
    static constexpr std::int32_t kNumber = 1025;
    void checkCode(const std::string& code, DefectSink& defects) const override;
};

} // namespace products::quarvel::rule
