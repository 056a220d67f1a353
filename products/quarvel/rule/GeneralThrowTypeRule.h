#pragma once

#include "products/quarvel/rule/Rule.h"

namespace products::quarvel::rule {

/// Rule 1018: a throw of Exception, Throwable, RuntimeException or Error.
class GeneralThrowTypeRule : public Rule {
  public:
    static constexpr std::int32_t kNumber = 1018;
    /// Reported at the thrown type.
    void checkCode(const std::string& code, DefectSink& defects) const override;
};

} // namespace products::quarvel::rule
