#include "lsp/ScanConfigReader.h"

#include "lsp/Workspace.h"
#include "products/quarvel/rule/RuleCatalogue.h"
#include "scan/config/ScanConfig.h"

#include <filesystem>
#include <fstream>
#include <sstream>

namespace lsp {
namespace {

class ScanWorkspaceConfig : public WorkspaceConfig {
  public:
    explicit ScanWorkspaceConfig(scan::config::ScanConfig config) : config_(std::move(config)) {}

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
        return rules;
    }

  private:
    const scan::config::ScanConfig config_;
};

} // namespace

std::shared_ptr<const WorkspaceConfig> ScanConfigReader::read(const std::string& folder) const {
    const std::string fileName = configFileIn(folder);
    std::error_code failed;
    if (!std::filesystem::exists(fileName, failed))
        return std::make_shared<ScanWorkspaceConfig>(scan::config::ScanConfig(folder));
    std::ifstream file(fileName, std::ios::binary);
    std::ostringstream text;
    if (!file || !(text << file.rdbuf()) || file.bad())
        throw ConfigError(fileName + ": the file cannot be read");
    try {
        return std::make_shared<ScanWorkspaceConfig>(
            scan::config::ScanConfig::parse(text.str(), fileName));
    } catch (const exceptions::Exception& failure) {
        throw ConfigError(failure.getMessage());
    }
}

} // namespace lsp
