#pragma once

#include "lsp/RuleLevel.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

namespace lsp {

/// The configuration file at the root of a workspace folder.
constexpr char kConfigFileName[] = "quarvel.toml";

/// What a workspace folder's configuration says about one of its files. Paths are relative
/// to the folder, with '/' between names ("src/A.java").
class WorkspaceConfig {
  public:
    virtual ~WorkspaceConfig() = default;

    /// Whether the file is left out of checking altogether.
    virtual bool excludes(const std::string& path) const = 0;
    /// The rules switched off for the file.
    virtual std::vector<std::int32_t> rulesOff(const std::string& path) const = 0;
    /// The level the configuration gives a rule in the file, or nullopt for the rule's own.
    virtual std::optional<RuleLevel> levelOf(std::int32_t rule, const std::string& path) const = 0;
};

/// Excludes nothing, switches nothing off and leaves every level as it is.
class DefaultConfig : public WorkspaceConfig {
  public:
    bool excludes(const std::string&) const override { return false; }
    std::vector<std::int32_t> rulesOff(const std::string&) const override { return {}; }
    std::optional<RuleLevel> levelOf(std::int32_t, const std::string&) const override {
        return std::nullopt;
    }
};

/// A configuration file that cannot be used; the message is for the user.
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

/// Gives every folder the default configuration: the reader of the configuration file
/// plugs in here.
class DefaultConfigReader : public ConfigReader {
  public:
    std::shared_ptr<const WorkspaceConfig> read(const std::string&) const override {
        return std::make_shared<DefaultConfig>();
    }
};

} // namespace lsp
