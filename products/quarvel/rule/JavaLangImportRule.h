#pragma once

#include "products/quarvel/rule/Rule.h"
#include "products/quarvel/rule/RuleLevel.h"

namespace products::quarvel::rule {

/// Rule 1001: an explicit import of a java.lang class.
class JavaLangImportRule : public Rule {
  public:
    static constexpr std::int32_t kNumber = 1001;
    static constexpr Level kLevel = Level::kNote;
    static constexpr const char kName[] = "JavaLangImport";
    static constexpr char kMessage[] = "Explicit import of java.lang class.";
    static constexpr const char kHelp[] =
        "An import of a `java.lang` class or of the whole package: `import java.lang.String;`, but "
        "not `import java.lang.reflect.Method;`";
    /// One defect per matching import, at the word import.
    void checkCode(const std::string& code, DefectListener& defects) const override;
};

} // namespace products::quarvel::rule
