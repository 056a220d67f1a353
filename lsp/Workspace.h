#pragma once

#include "lsp/Client.h"
#include "lsp/WorkspaceConfig.h"

#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

namespace lsp {

/// A workspace folder, as the client names it and as a file name.
struct Folder {
    std::string uri;
    std::string path;
};

/// The workspace folders and the configuration of each. A file belongs to the innermost
/// folder that holds it; a file outside every folder has the default configuration. Any
/// thread may use it.
class Workspace {
  public:
    Workspace(const ConfigReader& reader, Client& client) : reader_(reader), client_(client) {}

    /// Takes the folders and reads their configurations.
    void setFolders(const std::vector<Folder>& folders);

    /// When `path` is the configuration file of a folder, reads it again and returns true.
    /// A configuration that cannot be read is shown to the user once, and the folder has
    /// the default configuration until it is fixed.
    bool reloadIfConfig(const std::string& path);

    struct Place {
        std::shared_ptr<const WorkspaceConfig> config;
        std::string relativePath;     // the file's path in its folder, or its whole path
        std::optional<Folder> folder; // nullopt outside every folder
    };
    Place placeOf(const std::string& path) const;

  private:
    struct Entry {
        Folder folder;
        std::shared_ptr<const WorkspaceConfig> config;
    };

    std::shared_ptr<const WorkspaceConfig> read(const Folder& folder) const;

    const ConfigReader& reader_;
    Client& client_;
    mutable std::mutex mutex_;
    std::vector<Entry> entries_;
};

/// The configuration file's name in a folder ("/w" gives "/w/quarvel.toml"); the same for
/// a folder's URI.
std::string configFileIn(const std::string& folder);

} // namespace lsp
