#pragma once

#include "products/quarvel/rule/Rule.h"
#include "products/quarvel/rule/RuleLevel.h"

namespace products::quarvel::rule {

/// Rule 1019: a misspelt equals, finalize or hashCode declaration.
class SuspiciousMethodNameRule : public Rule {
  public:
    static constexpr std::int32_t kNumber = 1019;
    static constexpr Level kLevel = Level::kError;
    static constexpr const char kName[] = "SuspiciousMethodName";
    static constexpr char kMessage[] = "Suspicious method name.";
    static constexpr const char kHelp[] =
        "A misspelt declaration: `public boolean equal(Object o`, `protected void finalise(`, "
        "`protected void finallize(`, `public int hashcode(`";
    /// Reports each declaration of equal(Object, finalise, finallize or hashcode.
    void checkCode(const std::string& code, DefectListener& defects) const override;
};

} // namespace products::quarvel::rule
