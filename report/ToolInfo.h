#pragma once

#include <string_view>

namespace report {

/// What reports say about the tool beyond what a run's banner tells.
struct ToolInfo {
    /// This build's version, for reports of input without a banner.
    std::string_view version;
    /// Where people learn about the tool: an absolute URI, set when the build is configured.
    std::string_view informationUri;
};

ToolInfo thisTool();

} // namespace report
