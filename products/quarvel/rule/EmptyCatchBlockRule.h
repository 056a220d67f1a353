#pragma once

#include "products/quarvel/rule/Rule.h"
#include "products/quarvel/rule/RuleLevel.h"

namespace products::quarvel::rule {

/// Rule 1006: a catch block that holds nothing but white space and braces.
class EmptyCatchBlockRule : public Rule {
  public:
    static constexpr std::int32_t kNumber = 1006;
    static constexpr Level kLevel = Level::kWarning;
    static constexpr const char kName[] = "EmptyCatchBlock";
    static constexpr char kMessage[] = "Empty catch block.";
    static constexpr const char kHelp[] =
        "A catch block holding only white space, comments and braces: `catch (IOException e) { }`, "
        "reported on the line after the brace when the brace ends its line";
    void checkCode(const std::string& code, DefectListener& defects) const override;
};

} // namespace products::quarvel::rule
