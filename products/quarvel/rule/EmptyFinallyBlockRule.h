#pragma once

#include "products/quarvel/rule/Rule.h"
#include "products/quarvel/rule/RuleLevel.h"

namespace products::quarvel::rule {

/// Rule 1021: a finally block that holds nothing but white space and braces.
class EmptyFinallyBlockRule : public Rule {
  public:
    static constexpr std::int32_t kNumber = 1021;
    static constexpr Level kLevel = Level::kWarning;
    static constexpr const char kName[] = "EmptyFinallyBlock";
    static constexpr char kMessage[] = "Empty finally block.";
    static constexpr const char kHelp[] =
        "A finally block holding only white space, comments and braces: `finally { }`";
    void checkCode(const std::string& code, DefectListener& defects) const override;
};

} // namespace products::quarvel::rule
