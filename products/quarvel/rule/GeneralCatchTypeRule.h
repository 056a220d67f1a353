#pragma once

#include "products/quarvel/rule/Rule.h"
#include "products/quarvel/rule/RuleLevel.h"

namespace products::quarvel::rule {

/// Rule 1005: a catch of Exception, Throwable, RuntimeException or Error.
class GeneralCatchTypeRule : public Rule {
  public:
    static constexpr std::int32_t kNumber = 1005;
    static constexpr Level kLevel = Level::kWarning;
    static constexpr const char kName[] = "GeneralCatchType";
    static constexpr char kMessage[] = "Type in catch clause too general.";
    static constexpr const char kHelp[] =
        "A catch right after a brace of `Exception`, `Throwable`, `RuntimeException` or `Error` "
        "(or a name starting with one), `final` allowed: `} catch (Exception e) {`";
    /// Reported at the type, or at the word final when it is written.
    void checkCode(const std::string& code, DefectListener& defects) const override;
};

} // namespace products::quarvel::rule
