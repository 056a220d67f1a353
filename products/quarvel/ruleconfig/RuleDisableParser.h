#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace products::quarvel::ruleconfig {

/// Reads which rules a text switches off.
class RuleDisableParser {
  public:
    /// Mode of a configuration file; any other mode reads a Java source.
    static constexpr int kConfigurationMode = 1;
    static constexpr int kSourceMode = 0;

    virtual std::vector<std::int32_t> parse(const std::string& text, int mode) const = 0;
    virtual ~RuleDisableParser() = default;
};

} // namespace products::quarvel::ruleconfig
