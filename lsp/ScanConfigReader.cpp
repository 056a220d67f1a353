#include "lsp/ScanConfigReader.h"

#include "lsp/Workspace.h"
#include "products/quarvel/rule/RuleCatalogue.h"
#include "scan/config/ScanConfig.h"

#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>

namespace lsp {
namespace {

class ScanWorkspaceConfig : public WorkspaceConfig {
  public:
    explicit ScanWorkspaceConfig(scan::config::ScanConfig config,
                                 std::vector<scan::baseline::Entry> baseline = {})
        : config_(std::move(config)) {
        for (scan::baseline::Entry& entry : baseline)
            baseline_[entry.path].push_back(std::move(entry));
    }

    FileRules rulesFor(const std::string& path) const override {
        FileRules rules;
        if (!config_.selects(path)) {
            rules.excluded = true;
            return rules;
        }
        const scan::config::RuleLevels levels = config_.levelsFor(path);
        rules.off = levels.rulesOff();
        for (const products::quarvel::rule::RuleInfo& rule :
             products::quarvel::rule::ruleCatalogue()) {
            const std::optional<Level> level = levels.levelOf(rule.number);
            if (level && *level != rule.level)
                rules.levels[rule.number] = *level;
        }
        if (const auto recorded = baseline_.find(path); recorded != baseline_.end())
            rules.baseline = recorded->second;
        return rules;
    }

  private:
    const scan::config::ScanConfig config_;
    std::map<std::string, std::vector<scan::baseline::Entry>> baseline_;
};

std::string readWhole(const std::string& fileName) {
    std::ifstream file(fileName, std::ios::binary);
    std::ostringstream text;
    if (!file || !(text << file.rdbuf()) || file.bad())
        throw ConfigError(fileName + ": the file cannot be read");
    return text.str();
}

} // namespace

std::shared_ptr<const WorkspaceConfig> ScanConfigReader::read(const std::string& folder) const {
    const std::string fileName = configFileIn(folder);
    std::error_code failed;
    if (!std::filesystem::exists(fileName, failed))
        return std::make_shared<ScanWorkspaceConfig>(scan::config::ScanConfig(folder));
    try {
        scan::config::ScanConfig config =
            scan::config::ScanConfig::parse(readWhole(fileName), fileName);
        // The baseline a configuration names, when it exists: quarvel-scan writes it.
        std::vector<scan::baseline::Entry> baseline;
        if (config.baseline() && std::filesystem::exists(*config.baseline(), failed))
            baseline =
                scan::baseline::parseBaseline(readWhole(*config.baseline()), *config.baseline());
        return std::make_shared<ScanWorkspaceConfig>(std::move(config), std::move(baseline));
    } catch (const exceptions::Exception& failure) {
        throw ConfigError(failure.getMessage());
    }
}

} // namespace lsp
