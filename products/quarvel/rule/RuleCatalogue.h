#pragma once

#include "products/quarvel/rule/RuleLevel.h"

#include <cstdint>
#include <string_view>
#include <vector>

namespace products::quarvel::rule {

/// What a report says about a rule: its number, a short name in upper camel case, its message,
/// a help text and its default level. The name, the help text and the level are the rule
/// type's kName, kHelp and kLevel.
struct RuleInfo {
    std::int32_t number;
    std::string_view name;
    /// The rule's fixed message; for the two rules that put theirs together from pieces
    /// (1007 and 1024), a fixed summary of it.
    std::string_view message;
    std::string_view help;
    Level level;
};

/// Every rule, in ascending number.
const std::vector<RuleInfo>& ruleCatalogue();

/// The rule with this number, or nullptr when there is none.
const RuleInfo* findRule(std::int32_t number);

/// Whether the rule can report a defect with exactly this message.
bool givesMessage(const RuleInfo& rule, std::string_view message);

} // namespace products::quarvel::rule
