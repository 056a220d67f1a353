#pragma once

#include <nlohmann/json.hpp>

namespace lsp {

/// What the client said, in "initialize", that it can do, as far as the server cares.
struct ClientCapabilities {
    bool pullDiagnostics = false;          // textDocument.diagnostic
    bool diagnosticRefresh = false;        // workspace.diagnostics.refreshSupport
    bool documentChanges = false;          // workspace.workspaceEdit.documentChanges
    bool createFiles = false;              // "create" among its resourceOperations
    bool watchedFilesRegistration = false; // workspace.didChangeWatchedFiles.dynamicRegistration
    bool codeActionLiterals = false;       // textDocument.codeAction.codeActionLiteralSupport
};

/// Reads the capabilities from initialize's params; anything missing or of another type is
/// taken as not offered.
ClientCapabilities capabilitiesFrom(const nlohmann::json& params);

} // namespace lsp
