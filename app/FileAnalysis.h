#pragma once

#include "app/DefectPrinter.h"
#include "app/FileLoader.h"
#include "app/OutputSink.h"
#include "app/RunProfile.h"
#include "products/quarvel/rule/RuleRegistry.h"
#include "products/quarvel/ruleconfig/RuleDisableParser.h"

#include <cstdint>
#include <string>
#include <vector>

namespace app {

/// Checks one source text: builds its views, reads its own disable directives (which may
/// throw RuleConfigException), and runs every rule that neither list switches off, in
/// ascending number, each rule's defects going to `defects` as it finds them.
void checkSource(const std::string& raw, const products::quarvel::rule::RuleRegistry& registry,
                 const products::quarvel::ruleconfig::RuleDisableParser& disableParser,
                 const std::vector<std::int32_t>& globallyDisabled, FileDefects& defects);

/// What every file of a run goes through: loading, then checkSource, its defect lines
/// printed on a result channel. Several threads may analyse files at once when the loader
/// allows concurrent loads; the profile, which profiling builds fill, does not.
class FileAnalysis {
  public:
    FileAnalysis(const products::quarvel::rule::RuleRegistry& registry,
                 const products::quarvel::ruleconfig::RuleDisableParser& disableParser,
                 const std::vector<std::int32_t>& globallyDisabled, FileLoader& loader,
                 RunProfile& profile)
        : registry_(registry), disableParser_(disableParser), globallyDisabled_(globallyDisabled),
          loader_(loader), profile_(profile) {}

    /// Analyses the file and prints its defect lines; returns how many.
    std::uint32_t analyse(const std::string& name, OutputChannel& result) const;

  private:
    const products::quarvel::rule::RuleRegistry& registry_;
    const products::quarvel::ruleconfig::RuleDisableParser& disableParser_;
    const std::vector<std::int32_t>& globallyDisabled_;
    FileLoader& loader_;
    RunProfile& profile_;
};

} // namespace app
