#pragma once

#include "products/quarvel/rule/Rule.h"
#include "products/quarvel/rule/RuleLevel.h"

namespace products::quarvel::rule {

/// Rule 1022: a line longer than 80 bytes.
class LongLineRule : public Rule {
  public:
    static constexpr std::int32_t kNumber = 1022;
    static constexpr Level kLevel = Level::kNote;
    static constexpr const char kName[] = "LongLine";
    static constexpr char kMessage[] =
        "Line is too long. Prefer lines no longer than 80 characters.";
    static constexpr const char kHelp[] =
        "More than 80 bytes of code between line ends or comments (a trailing comment does not "
        "count; the last line without a line end is not measured)";
    /// Comment bytes end a line as well: only the code part of a line is measured.
    void checkCode(const std::string& code, DefectListener& defects) const override;
};

} // namespace products::quarvel::rule
