#pragma once

#include "products/quarvel/rule/Rule.h"

namespace products::quarvel::rule {

/// Rule 1008: two modifiers written in the wrong order.
class ModifierOrderRule : public Rule {
  public:
    static constexpr std::int32_t kNumber = 1008;
    /// One defect per wrong pair, at the line of its first modifier.
    void checkCode(const std::string& code, DefectSink& defects) const override;
};

} // namespace products::quarvel::rule
