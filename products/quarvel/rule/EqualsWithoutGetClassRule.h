#pragma once

#include "products/quarvel/rule/Rule.h"

namespace products::quarvel::rule {

/// Rule 1034: an equals method of a non-final class that does not call getClass().
class EqualsWithoutGetClassRule : public Rule {
  public:
    static constexpr std::int32_t kNumber = 1034;
    /// Reports each equals(Object o) body without getClass(), unless a final may apply to it.
    void checkCode(const std::string& code, DefectSink& defects) const override;
};

} // namespace products::quarvel::rule
