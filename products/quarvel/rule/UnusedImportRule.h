#pragma once

#include "products/quarvel/rule/Rule.h"
#include "products/quarvel/rule/RuleLevel.h"

namespace products::quarvel::rule {

/// Rule 1000: an import whose simple name is never used after it.
class UnusedImportRule : public Rule {
  public:
    static constexpr std::int32_t kNumber = 1000;
    static constexpr Level kLevel = Level::kNote;
    static constexpr const char kName[] = "UnusedImport";
    static constexpr char kMessage[] = "Unused import statement.";
    static constexpr const char kHelp[] =
        "An import whose simple name never stands again between two non-word bytes after it: "
        "`import java.util.Map;` with no later `Map` (comments and literals do not count)";
    /// The name counts as used when it stands between two non-word bytes after the import.
    void checkCode(const std::string& code, DefectListener& defects) const override;
};

} // namespace products::quarvel::rule
