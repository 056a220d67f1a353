#pragma once

#include "lsp/AnalysisService.h"
#include "lsp/ClientCapabilities.h"
#include "lsp/Workspace.h"

#include <nlohmann/json.hpp>

namespace lsp {

/// The quick fixes for quarvel's diagnostics: for each rule among the diagnostics of a
/// codeAction request, one that switches it off in the file (a `// quarvel disable(N)` line
/// at its top) and one that switches it off in the workspace folder's configuration file.
/// The second is offered when the document lies in a workspace folder and the edit can be
/// made: an existing file must read as TOML, and a missing one is created only when the
/// client can create files in a workspace edit.
class CodeActions {
  public:
    CodeActions(const ClientCapabilities& capabilities, const AnalysisService& documents,
                const Workspace& workspace)
        : capabilities_(capabilities), documents_(documents), workspace_(workspace) {}

    nlohmann::json actionsFor(const nlohmann::json& params) const;

  private:
    nlohmann::json fileAction(const std::string& uri,
                              const AnalysisService::DocumentState& document, std::int32_t rule,
                              const nlohmann::json& diagnostic) const;
    std::optional<nlohmann::json> configAction(const std::string& uri, std::int32_t rule,
                                               const nlohmann::json& diagnostic) const;
    nlohmann::json textEdit(const std::string& uri, const nlohmann::json& version,
                            const nlohmann::json& edit) const;

    const ClientCapabilities& capabilities_;
    const AnalysisService& documents_;
    const Workspace& workspace_;
};

} // namespace lsp
