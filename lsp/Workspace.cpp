#include "lsp/Workspace.h"

#include "lsp/FileUri.h"

namespace lsp {

std::string configFileIn(const std::string& folder) {
    std::string name = folder;
    while (!name.empty() && name.back() == '/')
        name.pop_back();
    return name + "/" + kConfigFileName;
}

std::shared_ptr<const WorkspaceConfig> Workspace::read(const Folder& folder) const {
    try {
        return reader_.read(folder.path);
    } catch (const ConfigError& error) {
        client_.show(Client::MessageType::kError,
                     std::string(error.what()) +
                         " (quarvel uses its defaults until the file is fixed)");
        return std::make_shared<DefaultConfig>();
    }
}

void Workspace::setFolders(const std::vector<Folder>& folders) {
    std::vector<Entry> entries;
    for (const Folder& folder : folders)
        entries.push_back({folder, read(folder)});
    const std::lock_guard<std::mutex> lock(mutex_);
    entries_ = std::move(entries);
}

bool Workspace::reloadIfConfig(const std::string& path) {
    std::vector<Folder> folders;
    {
        const std::lock_guard<std::mutex> lock(mutex_);
        for (const Entry& entry : entries_) {
            if (configFileIn(entry.folder.path) == path)
                folders.push_back(entry.folder);
        }
    }
    for (const Folder& folder : folders) {
        std::shared_ptr<const WorkspaceConfig> config = read(folder);
        const std::lock_guard<std::mutex> lock(mutex_);
        for (Entry& entry : entries_) {
            if (entry.folder.path == folder.path)
                entry.config = config;
        }
    }
    return !folders.empty();
}

Workspace::Place Workspace::placeOf(const std::string& path) const {
    const std::lock_guard<std::mutex> lock(mutex_);
    const Entry* innermost = nullptr;
    std::string relative;
    for (const Entry& entry : entries_) {
        std::optional<std::string> inside = pathInside(entry.folder.path, path);
        if (inside && (!innermost || entry.folder.path.size() > innermost->folder.path.size())) {
            innermost = &entry;
            relative = std::move(*inside);
        }
    }
    if (!innermost)
        return {std::make_shared<DefaultConfig>(), path, std::nullopt};
    return {innermost->config, relative, innermost->folder};
}

} // namespace lsp
