#pragma once

#include "products/quarvel/rule/Rule.h"
#include "products/quarvel/rule/RuleLevel.h"

namespace products::quarvel::rule {

/// Rule 1013: a string literal compared with == or !=.
class StringIdentityComparisonRule : public Rule {
  public:
    static constexpr std::int32_t kNumber = 1013;
    static constexpr Level kLevel = Level::kError;
    static constexpr const char kName[] = "StringIdentityComparison";
    static constexpr char kMessage[] = "String comparison using == or != operator.";
    static constexpr const char kHelp[] =
        "`==` or `!=` next to a string literal: `if (name == \"admin\")`";
    void checkCode(const std::string& code, DefectListener& defects) const override;
};

} // namespace products::quarvel::rule
