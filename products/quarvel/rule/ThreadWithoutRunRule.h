#pragma once

#include "products/quarvel/rule/Rule.h"

namespace products::quarvel::rule {

/// Rule 1030: a class extending Thread without a run method.
class ThreadWithoutRunRule : public Rule {
  public:
    static constexpr std::int32_t kNumber = 1030;
    /// Reports each non-abstract class extending Thread whose body declares no public void run().
    void checkCode(const std::string& code, DefectSink& defects) const override;
};

} // namespace products::quarvel::rule
