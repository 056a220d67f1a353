#pragma once

#include "products/quarvel/rule/Rule.h"

namespace products::quarvel::rule {

/// Rule 1020: a line that holds a tab outside comments and literals.
class TabCharacterRule : public Rule {
  public:
    static constexpr std::int32_t kNumber = 1020;
    /// One defect per line, however many tabs it holds.
    void checkCode(const std::string& code, DefectSink& defects) const override;
};

} // namespace products::quarvel::rule
