#pragma once

#include "products/quarvel/rule/Rule.h"
#include "products/quarvel/rule/RuleLevel.h"

namespace products::quarvel::rule {

/// Rule 1026: a public equals method whose parameter is not an Object.
class EqualsOverloadRule : public Rule {
  public:
    static constexpr std::int32_t kNumber = 1026;
    static constexpr Level kLevel = Level::kError;
    static constexpr const char kName[] = "EqualsOverload";
    static constexpr char kMessage[] = "public boolean equals(Object o) overloaded.";
    static constexpr const char kHelp[] =
        "A `public boolean equals` taking one parameter whose type is written other than `Object` "
        "or `java.lang.Object`: `public boolean equals(Point p)`";
    /// Reports each public boolean equals whose parameter type is written otherwise than Object.
    void checkCode(const std::string& code, DefectListener& defects) const override;
};

} // namespace products::quarvel::rule
