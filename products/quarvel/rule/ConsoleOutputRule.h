#pragma once

#include "products/quarvel/rule/Rule.h"
#include "products/quarvel/rule/RuleLevel.h"

namespace products::quarvel::rule {

/// Rule 1011: output on System.out or System.err, or a stack-trace print.
class ConsoleOutputRule : public Rule {
  public:
    static constexpr std::int32_t kNumber = 1011;
    static constexpr Level kLevel = Level::kWarning;
    static constexpr const char kName[] = "ConsoleOutput";
    static constexpr char kMessage[] = "Output on System.out or System.err.";
    static constexpr const char kHelp[] = "`System.out.print...`, `System.err.print...` or "
                                          "`printStackTrace();`: `System.out.println(x);`";
    /// One defect per call, at the first byte of the match.
    void checkCode(const std::string& code, DefectListener& defects) const override;
};

} // namespace products::quarvel::rule
