#pragma once

#include "products/quarvel/rule/Rule.h"
#include "products/quarvel/rule/RuleLevel.h"

namespace products::quarvel::rule {

/// Rule 1034: an equals method of a non-final class that does not call getClass().
class EqualsWithoutGetClassRule : public Rule {
  public:
    static constexpr std::int32_t kNumber = 1034;
    static constexpr Level kLevel = Level::kWarning;
    static constexpr const char kName[] = "EqualsWithoutGetClass";
    static constexpr char kMessage[] =
        "Compare classes using getClass() in non-final equals method.";
    static constexpr const char kHelp[] =
        "An `equals(Object o) {` body without `getClass()`, unless `final` stands before `boolean` "
        "(back to the last semicolon or brace with no parenthesis after it) or the file holds "
        "`final class`: `return o instanceof P;`";
    /// Reports each equals(Object o) body without getClass(), unless a final may apply to it.
    void checkCode(const std::string& code, DefectListener& defects) const override;
};

} // namespace products::quarvel::rule
