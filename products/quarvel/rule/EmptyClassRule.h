#pragma once

#include "products/quarvel/rule/Rule.h"
#include "products/quarvel/rule/RuleLevel.h"

namespace products::quarvel::rule {

/// Rule 1041: a class whose body holds nothing but white space and braces.
class EmptyClassRule : public Rule {
  public:
    static constexpr std::int32_t kNumber = 1041;
    static constexpr Level kLevel = Level::kNote;
    static constexpr const char kName[] = "EmptyClass";
    static constexpr char kMessage[] = "Empty class found.";
    static constexpr const char kHelp[] =
        "A class body holding only white space, comments and braces: `class Marker { }`; the "
        "file's search ends at the first header that has both `extends` and `Exception`";
    void checkCode(const std::string& code, DefectListener& defects) const override;
};

} // namespace products::quarvel::rule
