#pragma once

#include "products/quarvel/rule/Rule.h"
#include "products/quarvel/rule/RuleLevel.h"

namespace products::quarvel::rule {

/// Rule 1014: a file that defines equals and hashCode a different number of times.
class EqualsHashCodeRule : public Rule {
  public:
    static constexpr std::int32_t kNumber = 1014;
    static constexpr Level kLevel = Level::kError;
    static constexpr const char kName[] = "EqualsHashCode";
    static constexpr char kMessage[] = "Override both Object.equals() and Object.hashCode()";
    static constexpr const char kHelp[] =
        "A file with more `boolean equals(Object o)` than `int hashCode()` declarations or the "
        "reverse; reported once, at the last of the more frequent one";
    void checkCode(const std::string& code, DefectListener& defects) const override;
};

} // namespace products::quarvel::rule
