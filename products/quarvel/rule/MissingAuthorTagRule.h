#pragma once

#include "products/quarvel/rule/Rule.h"
#include "products/quarvel/rule/RuleLevel.h"

namespace products::quarvel::rule {

/// Rule 1037: a file whose block comments hold no author tag.
class MissingAuthorTagRule : public Rule {
  public:
    static constexpr std::int32_t kNumber = 1037;
    static constexpr Level kLevel = Level::kNote;
    static constexpr const char kName[] = "MissingAuthorTag";
    static constexpr char kMessage[] = "No @author javadoc tag found.";
    static constexpr const char kHelp[] = "A file whose block comments never hold ` @author ` "
                                          "between white space; reported on line 1";
    /// Reports the whole file at line 1 when no block comment holds the author tag.
    void checkComments(const std::string& comments, DefectListener& defects) const override;
};

} // namespace products::quarvel::rule
