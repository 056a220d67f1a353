#pragma once

#include "products/quarvel/rule/Rule.h"

namespace products::quarvel::rule {

/// Rule 1011: output on System.out or System.err, or a stack-trace print.
class ConsoleOutputRule : public Rule {
  public:
    static constexpr std::int32_t kNumber = 1011;
    /// One defect per call, at the first byte of the match.
    void checkCode(const std::string& code, DefectSink& defects) const override;
};

} // namespace products::quarvel::rule
