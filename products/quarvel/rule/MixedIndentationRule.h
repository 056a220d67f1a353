#pragma once

#include "products/quarvel/rule/Rule.h"

namespace products::quarvel::rule {

/// Rule 1007: indentation that goes against the file's own style, tabs or spaces.
class MixedIndentationRule : public Rule {
  public:
    static constexpr std::int32_t kNumber = 1007;
    /// Decides the file's style first, then reports the lines that go against it.
    void checkCode(const std::string& code, DefectSink& defects) const override;
};

} // namespace products::quarvel::rule
