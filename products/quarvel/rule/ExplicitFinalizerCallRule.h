#pragma once

#include "products/quarvel/rule/Rule.h"
#include "products/quarvel/rule/RuleLevel.h"

namespace products::quarvel::rule {

/// Rule 1033: a call of finalize() other than super.finalize().
class ExplicitFinalizerCallRule : public Rule {
  public:
    static constexpr std::int32_t kNumber = 1033;
    static constexpr Level kLevel = Level::kWarning;
    static constexpr const char kName[] = "ExplicitFinalizerCall";
    static constexpr char kMessage[] = "Explicit finalizer call.";
    static constexpr const char kHelp[] =
        "A `finalize();` call other than `super.finalize();`: `obj.finalize();`";
    void checkCode(const std::string& code, DefectListener& defects) const override;
};

} // namespace products::quarvel::rule
