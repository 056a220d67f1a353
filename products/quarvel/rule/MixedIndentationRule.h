#pragma once

#include "products/quarvel/rule/Rule.h"
#include "products/quarvel/rule/RuleLevel.h"

namespace products::quarvel::rule {

/// Rule 1007: indentation that goes against the file's own style, tabs or spaces.
class MixedIndentationRule : public Rule {
  public:
    static constexpr std::int32_t kNumber = 1007;
    static constexpr Level kLevel = Level::kNote;
    static constexpr const char kName[] = "MixedIndentation";
    /// The message names the byte found and the style the file seems to have; reports summarise it.
    static constexpr char kSummary[] = "Mixed indentation style.";
    static constexpr const char kHelp[] =
        "A line indented against the file's majority style (a tie counts as spaces), or with both "
        "tabs and spaces: a tab-indented line in a file indented with spaces";
    /// Decides the file's style first, then reports the lines that go against it.
    void checkCode(const std::string& code, DefectListener& defects) const override;
};

} // namespace products::quarvel::rule
