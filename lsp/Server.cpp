#include "lsp/Server.h"

#include "lsp/FileUri.h"
#include "lsp/JsonParse.h"
#include "lsp/Params.h"
#include "lsp/RpcError.h"

namespace lsp {

using Json = nlohmann::json;

namespace {

constexpr char kJava[] = "java";
constexpr char kWatcherId[] = "quarvel-config-watcher";

std::optional<Folder> folderOf(const Json& uri) {
    if (!uri.is_string())
        return std::nullopt;
    const std::string text = uri.get<std::string>();
    std::optional<std::string> path = pathOfUri(text);
    if (!path)
        return std::nullopt;
    return Folder{text, std::move(*path)};
}

/// The workspace folders that initialize names: its workspaceFolders, or else its rootUri,
/// or else its rootPath.
std::vector<Folder> foldersOf(const Json& params) {
    std::vector<Folder> folders;
    if (const auto listed = params.find("workspaceFolders");
        listed != params.end() && listed->is_array()) {
        for (const Json& folder : *listed) {
            if (!folder.is_object())
                continue;
            if (std::optional<Folder> found = folderOf(folder.value("uri", Json())))
                folders.push_back(std::move(*found));
        }
        return folders;
    }
    if (std::optional<Folder> root = folderOf(params.value("rootUri", Json()))) {
        folders.push_back(std::move(*root));
    } else if (const Json rootPath = params.value("rootPath", Json()); rootPath.is_string()) {
        const std::string path = rootPath.get<std::string>();
        folders.push_back({uriOfPath(path), path});
    }
    return folders;
}

std::optional<std::string> previousResultIdOf(const Json& params) {
    const auto found = params.find("previousResultId");
    if (found == params.end() || !found->is_string())
        return std::nullopt;
    return found->get<std::string>();
}

} // namespace

Server::Server(Client& client, const ServerOptions& options)
    : client_(client), options_(options), checker_(options.checker ? *options.checker : analyzer_),
      workspace_(options.configReader ? *options.configReader : defaultReader_, client),
      dispatcher_(client) {
    registerLifecycle();
    registerDocuments();
    registerFeatures();
}

Server::~Server() {
    stop();
}

void Server::stop() {
    if (service_)
        service_->stop();
}

AnalysisService& Server::service() {
    return *service_; // present once initialize has run, and the lifecycle lets no other in before
}

void Server::handle(std::string_view body) {
    Json parsed;
    try {
        parsed = parseJson(body);
    } catch (const JsonSyntaxError& error) {
        refuse(errors::kParseError, std::string("a message that is not JSON: ") + error.what());
        return;
    }
    const IncomingMessage message = classify(parsed);
    if (message.kind == IncomingMessage::Kind::kInvalid) {
        client_.fail(message.id, errors::kInvalidRequest, message.problem);
        return;
    }
    if (message.kind == IncomingMessage::Kind::kResponse)
        return; // answers to the server's own requests need nothing more
    const Lifecycle::Decision decision = lifecycle_.decide(message);
    if (decision.verdict == Lifecycle::Verdict::kRefuse)
        client_.fail(message.id, decision.code, decision.reason);
    if (decision.verdict != Lifecycle::Verdict::kRun)
        return;
    dispatcher_.dispatch(message);
}

void Server::refuse(int code, const std::string& problem) {
    client_.log(Client::MessageType::kError, problem);
    client_.fail(nullptr, code, problem);
}

void Server::registerLifecycle() {
    dispatcher_.onRequest("initialize", [this](const Json&, const Json& params) {
        return std::optional<Json>(initialize(params));
    });
    dispatcher_.onNotification("initialized", [this](const Json&) {
        if (!capabilities_.watchedFilesRegistration)
            return;
        const Json watcher = {{"globPattern", std::string("**/") + kConfigFileName}};
        client_.request(
            "client/registerCapability",
            {{"registrations",
              Json::array({{{"id", kWatcherId},
                            {"method", "workspace/didChangeWatchedFiles"},
                            {"registerOptions", {{"watchers", Json::array({watcher})}}}}})}});
    });
    dispatcher_.onRequest("shutdown", [this](const Json&, const Json&) {
        lifecycle_.shutDown();
        stop();
        return std::optional<Json>(nullptr);
    });
    dispatcher_.onNotification("exit", [this](const Json&) { exitRequested_ = true; });
    dispatcher_.onNotification("$/cancelRequest", [this](const Json& params) {
        service().cancel(params::member(params, "id"));
    });
    dispatcher_.onNotification("$/setTrace", [this](const Json& params) {
        client_.setTrace(traceNamed(params::member(params, "value")));
    });
}

namespace {
/// The client's choice for defects the baseline records: {"baseline": "hint" | "hide" |
/// "show"} among its initialization options; a hint when it says nothing or something else.
AnalysisService::KnownDefects knownDefectsFrom(const Json& options) {
    if (!options.is_object())
        return AnalysisService::KnownDefects::kHint;
    const Json& choice = options.value("baseline", Json());
    if (choice == "hide")
        return AnalysisService::KnownDefects::kHide;
    if (choice == "show")
        return AnalysisService::KnownDefects::kShow;
    return AnalysisService::KnownDefects::kHint;
}
} // namespace

Json Server::initialize(const Json& params) {
    if (!params.is_object())
        throw RpcError(errors::kInvalidParams, "initialize needs an object of params");
    capabilities_ = capabilitiesFrom(params);
    client_.setTrace(traceNamed(params.value("trace", Json())));
    workspace_.setFolders(foldersOf(params));
    AnalysisService::Settings settings;
    settings.debounce = options_.debounce;
    settings.push = !capabilities_.pullDiagnostics;
    settings.knownDefects = knownDefectsFrom(params.value("initializationOptions", Json()));
    service_ = std::make_unique<AnalysisService>(client_, workspace_, checker_, settings);
    codeActions_ = std::make_unique<CodeActions>(capabilities_, *service_, workspace_);
    lifecycle_.initialized();
    client_.startLoggingToClient();

    Json capabilities = {{"textDocumentSync",
                          {{"openClose", true}, {"change", 2}, {"save", {{"includeText", false}}}}},
                         {"codeActionProvider", {{"codeActionKinds", Json::array({"quickfix"})}}}};
    if (capabilities_.pullDiagnostics) {
        capabilities["diagnosticProvider"] = {{"identifier", "quarvel"},
                                              {"interFileDependencies", false},
                                              {"workspaceDiagnostics", false}};
    }
    return {{"capabilities", std::move(capabilities)},
            {"serverInfo", {{"name", "quarvel-lsp"}, {"version", QUARVEL_VERSION}}}};
}

void Server::registerDocuments() {
    dispatcher_.onNotification("textDocument/didOpen", [this](const Json& params) {
        const Json& document = params::object(params, "textDocument");
        if (params::string(document, "languageId") != kJava)
            return;
        service().open(params::string(document, "uri"), params::integer(document, "version"),
                       params::string(document, "text"));
    });
    dispatcher_.onNotification("textDocument/didChange", [this](const Json& params) {
        const Json& document = params::object(params, "textDocument");
        const std::string uri = params::string(document, "uri");
        const std::int64_t version = params::integer(document, "version");
        // Documents that are not open are those of other languages: nothing to do.
        service().change(uri, version, params::changes(params::member(params, "contentChanges")));
    });
    dispatcher_.onNotification("textDocument/didSave", [this](const Json& params) {
        const std::string uri = params::string(params::object(params, "textDocument"), "uri");
        const std::optional<std::string> path = pathOfUri(uri);
        if (path && workspace_.reloadIfConfig(*path))
            configurationChanged();
        else
            service().save(uri);
    });
    dispatcher_.onNotification("textDocument/didClose", [this](const Json& params) {
        service().close(params::string(params::object(params, "textDocument"), "uri"));
    });
    dispatcher_.onNotification("workspace/didChangeWatchedFiles", [this](const Json& params) {
        const Json& changes = params::member(params, "changes");
        bool changed = false;
        for (const Json& change : changes.is_array() ? changes : Json::array()) {
            const std::optional<std::string> path = pathOfUri(params::string(change, "uri"));
            changed = (path && workspace_.reloadIfConfig(*path)) || changed;
        }
        if (changed)
            configurationChanged();
    });
}

void Server::registerFeatures() {
    dispatcher_.onRequest("textDocument/diagnostic", [this](const Json& id, const Json& params) {
        // Offered to clients of pull diagnostics alone; others have theirs pushed.
        if (!capabilities_.pullDiagnostics)
            throw RpcError(errors::kMethodNotFound, "unknown method: textDocument/diagnostic");
        const std::string uri = params::string(params::object(params, "textDocument"), "uri");
        service().pull(id, uri, previousResultIdOf(params));
        return std::optional<Json>(); // answered by the service
    });
    dispatcher_.onRequest("textDocument/codeAction", [this](const Json&, const Json& params) {
        return std::optional<Json>(codeActions_->actionsFor(params));
    });
}

void Server::configurationChanged() {
    service().reanalyseAll();
    if (capabilities_.pullDiagnostics && capabilities_.diagnosticRefresh)
        client_.request("workspace/diagnostic/refresh", nullptr);
}

} // namespace lsp
