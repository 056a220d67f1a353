#pragma once

#include "products/quarvel/rule/Rule.h"
#include "products/quarvel/rule/RuleLevel.h"

namespace products::quarvel::rule {

/// Rule 1003: an import repeated before the first parenthesis or brace.
class DuplicateImportRule : public Rule {
  public:
    static constexpr std::int32_t kNumber = 1003;
    static constexpr Level kLevel = Level::kNote;
    static constexpr const char kName[] = "DuplicateImport";
    static constexpr char kMessage[] = "Duplicate import statement.";
    static constexpr const char kHelp[] =
        "An import repeated before the first parenthesis or brace, reported at the repetition: "
        "`import a.B;` twice (wildcard imports never count)";
    void checkCode(const std::string& code, DefectListener& defects) const override;
};

} // namespace products::quarvel::rule
