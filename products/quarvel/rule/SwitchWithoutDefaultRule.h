#pragma once

#include "products/quarvel/rule/Rule.h"

namespace products::quarvel::rule {

/// Rule 1004: a switch on one word whose body has no default label.
class SwitchWithoutDefaultRule : public Rule {
  public:
    static constexpr std::int32_t kNumber = 1004;
    /// A switch without its closing brace is examined up to the end of the text.
    void checkCode(const std::string& code, DefectSink& defects) const override;
};

} // namespace products::quarvel::rule
