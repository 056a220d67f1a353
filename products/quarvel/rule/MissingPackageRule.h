#pragma once

#include "products/quarvel/rule/Rule.h"
#include "products/quarvel/rule/RuleLevel.h"

namespace products::quarvel::rule {

/// Rule 1035: a file without a package declaration.
class MissingPackageRule : public Rule {
  public:
    static constexpr std::int32_t kNumber = 1035;
    static constexpr Level kLevel = Level::kNote;
    static constexpr const char kName[] = "MissingPackage";
    static constexpr char kMessage[] = "No package declaration found.";
    static constexpr const char kHelp[] =
        "A file without the word `package` followed by white space (outside comments and "
        "literals); reported on line 1";
    /// At most one defect, on line 1.
    void checkCode(const std::string& code, DefectListener& defects) const override;
};

} // namespace products::quarvel::rule
