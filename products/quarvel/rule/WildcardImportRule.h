#pragma once

#include "products/quarvel/rule/Rule.h"

namespace products::quarvel::rule {

/// Rule 1002: an import that ends in an asterisk.
class WildcardImportRule : public Rule {
  public:
    static constexpr std::int32_t kNumber = 1002;
    static constexpr const char kName[] = "WildcardImport";
    static constexpr const char kHelp[] =
        "An import ending in `*;`: `import java.util.*;`, `import static java.lang.Math.*;`";
    /// One defect per matching import, at the word import.
    DefectList checkCode(const std::string& code, const std::string& fileName) const override;
};

} // namespace products::quarvel::rule
