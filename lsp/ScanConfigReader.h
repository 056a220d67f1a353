#pragma once

#include "lsp/WorkspaceConfig.h"

namespace lsp {

/// Reads quarvel.toml as quarvel-scan reads it: include and exclude globs (a file they leave
/// out is not checked), rules off or at other levels, rules off by path. The baseline is
/// quarvel-scan's alone: an editor shows every defect.
class ScanConfigReader : public ConfigReader {
  public:
    std::shared_ptr<const WorkspaceConfig> read(const std::string& folder) const override;
};

} // namespace lsp
