#include "lsp/ClientCapabilities.h"

#include <initializer_list>

namespace lsp {
namespace {

using Json = nlohmann::json;

/// The value at a path of member names, or nullptr.
const Json* valueAt(const Json& root, std::initializer_list<const char*> path) {
    const Json* value = &root;
    for (const char* name : path) {
        if (!value->is_object())
            return nullptr;
        const auto member = value->find(name);
        if (member == value->end())
            return nullptr;
        value = &*member;
    }
    return value;
}

bool isTrue(const Json& root, std::initializer_list<const char*> path) {
    const Json* value = valueAt(root, path);
    return value && value->is_boolean() && value->get<bool>();
}

bool isObject(const Json& root, std::initializer_list<const char*> path) {
    const Json* value = valueAt(root, path);
    return value && value->is_object();
}

} // namespace

ClientCapabilities capabilitiesFrom(const Json& params) {
    ClientCapabilities capabilities;
    const Json* offered = valueAt(params, {"capabilities"});
    if (!offered)
        return capabilities;
    capabilities.pullDiagnostics = isObject(*offered, {"textDocument", "diagnostic"});
    capabilities.diagnosticRefresh =
        isTrue(*offered, {"workspace", "diagnostics", "refreshSupport"});
    capabilities.documentChanges =
        isTrue(*offered, {"workspace", "workspaceEdit", "documentChanges"});
    if (const Json* operations =
            valueAt(*offered, {"workspace", "workspaceEdit", "resourceOperations"});
        operations && operations->is_array()) {
        for (const Json& operation : *operations)
            capabilities.createFiles = capabilities.createFiles || operation == "create";
    }
    capabilities.watchedFilesRegistration =
        isTrue(*offered, {"workspace", "didChangeWatchedFiles", "dynamicRegistration"});
    capabilities.codeActionLiterals =
        isObject(*offered, {"textDocument", "codeAction", "codeActionLiteralSupport"});
    return capabilities;
}

} // namespace lsp
