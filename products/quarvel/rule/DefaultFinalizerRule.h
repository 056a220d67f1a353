#pragma once

#include "products/quarvel/rule/Rule.h"
#include "products/quarvel/rule/RuleLevel.h"

namespace products::quarvel::rule {

/// Rule 1031: a finalizer that only calls the inherited finalizer.
class DefaultFinalizerRule : public Rule {
  public:
    static constexpr std::int32_t kNumber = 1031;
    static constexpr Level kLevel = Level::kWarning;
    static constexpr const char kName[] = "DefaultFinalizer";
    static constexpr char kMessage[] = "finalizer implements default behaviour.";
    static constexpr const char kHelp[] =
        "A `protected void finalize()` whose body only calls `super.finalize();`";
    void checkCode(const std::string& code, DefectListener& defects) const override;
};

} // namespace products::quarvel::rule
