#pragma once

#include "products/quarvel/rule/Rule.h"

namespace products::quarvel::rule {

/// Rule 1039: a case section that falls through without break, return, throw or continue.
class BreakInSwitchRule : public Rule {
  public:
    static constexpr std::int32_t kNumber = 1039;
    /// Finds the switches in the raw text; each nested switch is examined on its own.
    void checkRaw(const std::string& raw, DefectSink& defects) const override;
};

} // namespace products::quarvel::rule
