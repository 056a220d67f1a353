#pragma once

#include "exceptions/Exception.h"
#include "products/quarvel/rule/RuleLevel.h"
#include "scan/config/Glob.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace scan::config {

/// A configuration file that cannot be read as one: the message is "FILE:LINE:COLUMN: what is
/// wrong", or "FILE:LINE: ..." where no column is known.
class ConfigException : public exceptions::RuntimeException {
  public:
    using RuntimeException::RuntimeException;
    const std::string& getMessage() const override { return storedMessage(); }
};

using products::quarvel::rule::Level;

/// The level of every rule for one file: nullopt for a rule that is off.
class RuleLevels {
  public:
    /// The level of the rule, or nullopt when it is off; nullopt too for a number that is no
    /// rule.
    std::optional<Level> levelOf(std::int32_t rule) const;
    /// The rules that are off, in ascending number.
    std::vector<std::int32_t> rulesOff() const;

  private:
    friend class ScanConfig;
    /// One per rule of the catalogue, in the catalogue's order.
    std::vector<std::optional<Level>> levels_;
};

/// Rules switched off for the files that a glob covers.
struct PathRules {
    Glob glob;
    std::vector<std::int32_t> off; ///< ascending, without repeats
};

/// The settings of a `quarvel.toml`:
///
///     include = ["src/**"]              # optional; by default every Java file
///     exclude = ["**/generated/**"]     # optional
///     baseline = "quarvel-baseline.txt" # optional, relative to the file's folder
///     [rules]
///     1022 = "off"                      # or "error", "warning", "note"
///     [[paths]]
///     glob = "src/test/**"
///     off = [1037, 1038]
///
/// Globs are matched against paths relative to the configuration file's folder. Which files
/// are Java sources is the walk's business; the include and exclude globs only narrow them.
class ScanConfig {
  public:
    /// Everything selected, every rule at its default level, no baseline.
    explicit ScanConfig(std::string folder);

    /// Reads the text of the configuration file `fileName` (named in messages; its folder is
    /// the folder globs are relative to). Throws ConfigException for a syntax error, an
    /// unknown key, a value of the wrong type, a rule number that does not exist, a level that
    /// is not "off", "error", "warning" or "note", a bad glob, an empty `include` or `off`
    /// list, a `[[paths]]` entry without `glob`, and a duplicate key.
    static ScanConfig parse(std::string_view text, const std::string& fileName);

    /// The folder globs are relative to: the configuration file's folder, "." for a file in
    /// the current folder.
    const std::string& folder() const { return folder_; }
    /// Empty when every file is included.
    const std::vector<Glob>& include() const { return include_; }
    const std::vector<Glob>& exclude() const { return exclude_; }
    /// The baseline file, joined to the configuration's folder when given relative to it.
    const std::optional<std::string>& baseline() const { return baseline_; }
    /// The level set for a rule in `[rules]`: nullopt when none is set, or a level, or nullopt
    /// inside for "off".
    std::optional<std::optional<Level>> ruleOverride(std::int32_t rule) const;
    const std::vector<PathRules>& paths() const { return paths_; }

    /// Whether an exclude glob covers the file or folder (`relativePath` as Glob takes it): a
    /// walk need not enter an excluded folder.
    bool excludes(std::string_view relativePath, bool isFolder) const;
    /// Whether the file is checked: an include glob covers it (or there are none) and no
    /// exclude glob does.
    bool selects(std::string_view relativeFilePath) const;
    /// Every rule's level for the file: off when `[rules]` sets it off or a `[[paths]]` entry
    /// covering the file lists it, else the level `[rules]` sets, else the rule's default.
    RuleLevels levelsFor(std::string_view relativeFilePath) const;

  private:
    friend class ConfigReader;

    std::string folder_;
    std::vector<Glob> include_;
    std::vector<Glob> exclude_;
    std::optional<std::string> baseline_;
    /// One per rule of the catalogue: nullopt where `[rules]` says nothing.
    std::vector<std::optional<std::optional<Level>>> overrides_;
    std::vector<PathRules> paths_;
};

} // namespace scan::config
