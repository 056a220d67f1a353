#pragma once

#include "products/quarvel/rule/RuleLevel.h"

#include <string_view>
#include <vector>

namespace report {

/// What reports say about the tool beyond what a run's banner tells.
struct ToolInfo {
    /// This build's version, for reports of input without a banner.
    std::string_view version;
    /// Where people learn about the tool: an absolute URI, set when the build is configured.
    std::string_view informationUri;
};

ToolInfo thisTool();

/// What a program tells its reports about its run beyond the defects.
struct RunSettings {
    /// Each rule's level in this run, by the rule's place in the catalogue. Empty for a report
    /// of quarvel's own output, whose defects are all warnings: reports then leave the level
    /// to each rule's default, "warning".
    std::vector<products::quarvel::rule::Level> ruleLevels;
};

} // namespace report
