#pragma once

#include "products/quarvel/rule/Rule.h"
#include "products/quarvel/rule/RuleLevel.h"

namespace products::quarvel::rule {

/// Rule 1002: an import that ends in an asterisk.
class WildcardImportRule : public Rule {
  public:
    static constexpr std::int32_t kNumber = 1002;
    static constexpr Level kLevel = Level::kNote;
    static constexpr const char kName[] = "WildcardImport";
    static constexpr char kMessage[] = "Wildcard import declaration.";
    static constexpr const char kHelp[] =
        "An import ending in `*;`: `import java.util.*;`, `import static java.lang.Math.*;`";
    /// One defect per matching import, at the word import.
    void checkCode(const std::string& code, DefectListener& defects) const override;
};

} // namespace products::quarvel::rule
