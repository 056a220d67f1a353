#pragma once

#include "products/quarvel/rule/Rule.h"
#include "products/quarvel/rule/RuleLevel.h"

namespace products::quarvel::rule {

/// Rule 1038: a parameter list in which not every parameter is final.
class NonFinalParameterRule : public Rule {
  public:
    static constexpr std::int32_t kNumber = 1038;
    static constexpr Level kLevel = Level::kNote;
    static constexpr const char kName[] = "NonFinalParameter";
    static constexpr char kMessage[] = "Declare parameters final.";
    static constexpr const char kHelp[] =
        "A parameter list before a body with fewer `final ` than parameters, blank lists included: "
        "`void f(int a) {`, `void f( ) {`; bodies are skipped, but `if (x) {` in an initializer "
        "counts";
    /// Reports each parameter list of a construct with a body in which a parameter is not final.
    void checkCode(const std::string& code, DefectListener& defects) const override;
};

} // namespace products::quarvel::rule
