#pragma once

#include "products/quarvel/rule/Rule.h"
#include "products/quarvel/rule/RuleLevel.h"

namespace products::quarvel::rule {

/// Rule 1012: a return inside a finally block.
class ReturnInFinallyRule : public Rule {
  public:
    static constexpr std::int32_t kNumber = 1012;
    static constexpr Level kLevel = Level::kError;
    static constexpr const char kName[] = "ReturnInFinally";
    static constexpr char kMessage[] = "Return statement in finally block.";
    static constexpr const char kHelp[] = "The letters `return` anywhere in a finally block, "
                                          "reported once at the first: `} finally { return x; }`";
    /// At most one defect per finally block; an unclosed block runs to the end of the text.
    void checkCode(const std::string& code, DefectListener& defects) const override;
};

} // namespace products::quarvel::rule
