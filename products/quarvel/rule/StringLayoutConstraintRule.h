#pragma once

#include "products/quarvel/rule/Rule.h"

namespace products::quarvel::rule {

/// Rule 1040: a layout constraint given as a string literal when adding a component.
class StringLayoutConstraintRule : public Rule {
  public:
    static constexpr std::int32_t kNumber = 1040;
    /// Searches the raw text, so calls written in comments count too.
    void checkRaw(const std::string& raw, DefectSink& defects) const override;
};

} // namespace products::quarvel::rule
