#pragma once

#include "lsp/Severity.h"
#include "scan/baseline/Baseline.h"

#include <cstdint>
#include <map>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

namespace lsp {

/// The configuration file at the root of a workspace folder.
constexpr char kConfigFileName[] = "quarvel.toml";

/// What a configuration says about one file.
struct FileRules {
    bool excluded = false;                // not checked at all
    std::vector<std::int32_t> off;        // rules that do not run
    std::map<std::int32_t, Level> levels; // levels that differ from the rules' own
    /// What the configuration's baseline records of the file.
    std::vector<scan::baseline::Entry> baseline;
};

/// A workspace folder's configuration. Paths are relative to the folder, with '/' between
/// names ("src/A.java").
class WorkspaceConfig {
  public:
    virtual ~WorkspaceConfig() = default;
    virtual FileRules rulesFor(const std::string& path) const = 0;
};

/// Excludes nothing, switches nothing off and leaves every level as it is.
class DefaultConfig : public WorkspaceConfig {
  public:
    FileRules rulesFor(const std::string&) const override { return {}; }
};

/// A configuration file that cannot be used; the message, for the user, names the file.
class ConfigError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

/// Reads the configuration of a workspace folder.
class ConfigReader {
  public:
    virtual ~ConfigReader() = default;
    /// The folder's configuration (the default one when it has no configuration file);
    /// throws ConfigError when the file is bad.
    virtual std::shared_ptr<const WorkspaceConfig> read(const std::string& folder) const = 0;
};

} // namespace lsp
