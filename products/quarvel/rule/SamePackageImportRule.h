#pragma once

#include "products/quarvel/rule/Rule.h"
#include "products/quarvel/rule/RuleLevel.h"

namespace products::quarvel::rule {

/// Rule 1036: an import of a class from the file's own package.
class SamePackageImportRule : public Rule {
  public:
    static constexpr std::int32_t kNumber = 1036;
    static constexpr Level kLevel = Level::kNote;
    static constexpr const char kName[] = "SamePackageImport";
    static constexpr char kMessage[] = "Importing classes from current package.";
    static constexpr const char kHelp[] =
        "The first import after the package declaration, before any parenthesis or brace, that "
        "names the same package plus one class: `package p;` then `import p.A;`";
    /// Reports the first import after the declaration that names the declared package.
    void checkCode(const std::string& code, DefectListener& defects) const override;
};

} // namespace products::quarvel::rule
