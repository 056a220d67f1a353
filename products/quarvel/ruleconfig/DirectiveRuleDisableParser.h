#pragma once

#include "products/quarvel/ruleconfig/RuleDisableParser.h"

namespace products::quarvel::ruleconfig {

/// Finds "disable(N)" directives in configuration files and "quarvel disable(N)" directives
/// in the comments of Java sources.
class DirectiveRuleDisableParser : public RuleDisableParser {
  public:
    std::vector<std::int32_t> parse(const std::string& text, int mode) const override;
};

} // namespace products::quarvel::ruleconfig
