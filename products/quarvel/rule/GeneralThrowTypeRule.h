#pragma once

#include "products/quarvel/rule/Rule.h"
#include "products/quarvel/rule/RuleLevel.h"

namespace products::quarvel::rule {

/// Rule 1018: a throw of Exception, Throwable, RuntimeException or Error.
class GeneralThrowTypeRule : public Rule {
  public:
    static constexpr std::int32_t kNumber = 1018;
    static constexpr Level kLevel = Level::kWarning;
    static constexpr const char kName[] = "GeneralThrowType";
    static constexpr char kMessage[] = "Type in throw statement too general.";
    static constexpr const char kHelp[] =
        "`throw` directly followed by `Exception`, `Throwable`, `RuntimeException` or `Error` (or "
        "a name starting with one): `throw Error;`, but not `throw new Error();`";
    /// Reported at the thrown type.
    void checkCode(const std::string& code, DefectListener& defects) const override;
};

} // namespace products::quarvel::rule
