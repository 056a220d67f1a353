#include "products/quarvel/ruleconfig/DirectiveRuleDisableParser.h"

namespace products::quarvel::ruleconfig {

// Directives are not read yet: no rule is switched off.
std::vector<std::int32_t> DirectiveRuleDisableParser::parse(const std::string&, int) const {
    return {};
}

} // namespace products::quarvel::ruleconfig
