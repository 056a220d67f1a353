#pragma once

#include "products/quarvel/rule/Rule.h"

namespace products::quarvel::rule {

/// Rule 1005: a catch of Exception, Throwable, RuntimeException or Error.
class GeneralCatchTypeRule : public Rule {
  public:
    static constexpr std::int32_t kNumber = 1005;
    /// Reported at the type, or at the word final when it is written.
    void checkCode(const std::string& code, DefectSink& defects) const override;
};

} // namespace products::quarvel::rule
