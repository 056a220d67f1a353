#pragma once

#include "products/quarvel/rule/Rule.h"
#include "products/quarvel/rule/RuleLevel.h"

namespace products::quarvel::rule {

/// Rule 1032: a finalizer that does not call super.finalize().
class FinalizerWithoutSuperRule : public Rule {
  public:
    static constexpr std::int32_t kNumber = 1032;
    static constexpr Level kLevel = Level::kError;
    static constexpr const char kName[] = "FinalizerWithoutSuper";
    static constexpr char kMessage[] = "finalizer does not call super.finalize().";
    static constexpr const char kHelp[] =
        "A `protected void finalize...` body without `super.finalize();`: `protected void "
        "finalize() { close(); }`";
    /// An unclosed finalizer body runs to the end of the text.
    void checkCode(const std::string& code, DefectListener& defects) const override;
};

} // namespace products::quarvel::rule
