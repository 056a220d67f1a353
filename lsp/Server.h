#pragma once

#include "lsp/AnalysisService.h"
#include "lsp/Analyzer.h"
#include "lsp/Client.h"
#include "lsp/ClientCapabilities.h"
#include "lsp/CodeActions.h"
#include "lsp/Dispatcher.h"
#include "lsp/Lifecycle.h"
#include "lsp/ScanConfigReader.h"
#include "lsp/Workspace.h"
#include "lsp/WorkspaceConfig.h"

#include <chrono>
#include <memory>
#include <string_view>

namespace lsp {

struct ServerOptions {
    /// How long a document must stay unchanged before it is analysed.
    std::chrono::milliseconds debounce{200};
    const ConfigReader* configReader = nullptr; // nullptr: quarvel.toml as quarvel-scan reads it
    const TextChecker* checker = nullptr;       // nullptr: quarvel's rules
};

/// The language server's methods: the lifecycle, text synchronisation, diagnostics and
/// code actions, over messages that have been read and framed already.
class Server {
  public:
    Server(Client& client, const ServerOptions& options);
    ~Server();

    /// Handles one message body.
    void handle(std::string_view body);
    /// Tells the client about input that was not a message.
    void refuse(int code, const std::string& problem);

    bool exitRequested() const { return exitRequested_; }
    /// The process's exit status: 0 after "shutdown", 1 without.
    int exitStatus() const { return lifecycle_.isShutDown() ? 0 : 1; }
    /// Ends the analysis; waiting requests are answered as cancelled.
    void stop();

  private:
    void registerLifecycle();
    void registerDocuments();
    void registerFeatures();
    nlohmann::json initialize(const nlohmann::json& params);
    void configurationChanged();
    AnalysisService& service();

    Client& client_;
    const ServerOptions options_;
    const ScanConfigReader defaultReader_;
    const Analyzer analyzer_;
    const TextChecker& checker_;
    Workspace workspace_;
    ClientCapabilities capabilities_;
    Dispatcher dispatcher_;
    Lifecycle lifecycle_;
    std::unique_ptr<AnalysisService> service_;
    std::unique_ptr<CodeActions> codeActions_;
    bool exitRequested_ = false;
};

} // namespace lsp
