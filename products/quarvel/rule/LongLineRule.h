#pragma once

#include "products/quarvel/rule/Rule.h"

namespace products::quarvel::rule {

/// Rule 1022: a line longer than 80 bytes.
class LongLineRule : public Rule {
  public:
    static constexpr std::int32_t kNumber = 1022;
    /// Comment bytes end a line as well: only the code part of a line is measured.
    void checkCode(const std::string& code, DefectSink& defects) const override;
};

} // namespace products::quarvel::rule
