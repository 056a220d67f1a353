#pragma once

#include "products/quarvel/rule/Rule.h"

namespace products::quarvel::rule {

/// Rule 1017: a while statement whose body is an empty statement.
class EmptyWhileBodyRule : public Rule {
  public:
    static constexpr std::int32_t kNumber = 1017;
    void checkCode(const std::string& code, DefectSink& defects) const override;
};

} // namespace products::quarvel::rule
