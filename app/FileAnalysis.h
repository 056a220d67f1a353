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

/// Asked between the steps of a file's analysis whether its result is still wanted.
class StopRequest {
  public:
    virtual bool requested() const = 0;

  protected:
    ~StopRequest() = default;
};

/// Ends an analysis whose StopRequest was granted; what it reported so far is incomplete.
struct AnalysisStopped {};

/// Checks one source text: builds its views, reads its own disable directives (which may
/// throw RuleConfigException), and runs every rule that neither list switches off, in
/// ascending number, each rule's defects going to `defects` as it finds them. With `stop`,
/// throws AnalysisStopped when it is requested, asked after the views and before each rule.
void checkSource(const std::string& raw, const products::quarvel::rule::RuleRegistry& registry,
                 const products::quarvel::ruleconfig::RuleDisableParser& disableParser,
                 const std::vector<std::int32_t>& globallyDisabled, FileDefects& defects,
                 const StopRequest* stop = nullptr);

/// Loads a file to be checked. With `stop`, throws AnalysisStopped when it is requested before
/// the file is read, while it is read (between pieces of a large file) or once it is read.
std::string loadForAnalysis(FileLoader& loader, const std::string& name,
                            const StopRequest* stop = nullptr);

/// What a run does with each file of its list, on any of its threads: writes what it finds
/// on the channel, in pieces, and returns how many findings it wrote. Its failures are the
/// file's; with `stop`, it throws AnalysisStopped when that is requested.
class FileWork {
  public:
    virtual std::uint32_t analyse(const std::string& name, OutputChannel& result,
                                  const StopRequest* stop = nullptr) const = 0;

  protected:
    ~FileWork() = default;
};

/// What every file of a run goes through: loading, then checkSource, its defect lines
/// printed on a result channel. Several threads may analyse files at once when the loader
/// allows concurrent loads; the profile, which profiling builds fill, does not.
class FileAnalysis : public FileWork {
  public:
    FileAnalysis(const products::quarvel::rule::RuleRegistry& registry,
                 const products::quarvel::ruleconfig::RuleDisableParser& disableParser,
                 const std::vector<std::int32_t>& globallyDisabled, FileLoader& loader,
                 RunProfile& profile)
        : registry_(registry), disableParser_(disableParser), globallyDisabled_(globallyDisabled),
          loader_(loader), profile_(profile) {}

    /// Analyses the file and prints its defect lines; returns how many. With `stop`, throws
    /// AnalysisStopped when it is requested, asked as loadForAnalysis and checkSource ask.
    std::uint32_t analyse(const std::string& name, OutputChannel& result,
                          const StopRequest* stop = nullptr) const override;

  private:
    const products::quarvel::rule::RuleRegistry& registry_;
    const products::quarvel::ruleconfig::RuleDisableParser& disableParser_;
    const std::vector<std::int32_t>& globallyDisabled_;
    FileLoader& loader_;
    RunProfile& profile_;
};

} // namespace app
