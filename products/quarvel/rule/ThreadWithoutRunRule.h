#pragma once

#include "products/quarvel/rule/Rule.h"
#include "products/quarvel/rule/RuleLevel.h"

namespace products::quarvel::rule {

/// Rule 1030: a class extending Thread without a run method.
class ThreadWithoutRunRule : public Rule {
  public:
    static constexpr std::int32_t kNumber = 1030;
    static constexpr Level kLevel = Level::kWarning;
    static constexpr const char kName[] = "ThreadWithoutRun";
    static constexpr char kMessage[] = "public void run() not overridden when extending Thread.";
    static constexpr const char kHelp[] =
        "A non-abstract `class T extends Thread ... {` whose body has no `public void run()`; "
        "reported on the line of the character after the nearest brace before it";
    /// Reports each non-abstract class extending Thread whose body declares no public void run().
    void checkCode(const std::string& code, DefectListener& defects) const override;
};

} // namespace products::quarvel::rule
