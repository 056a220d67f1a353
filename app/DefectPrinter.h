#pragma once

#include "app/OutputSink.h"
#include "products/quarvel/rule/Rule.h"

#include <cstdint>
#include <string>

namespace app {

/// Receives one file's defects, rule by rule, as the rules find them.
class FileDefects : public products::quarvel::rule::DefectListener {
  public:
    /// Before a rule runs; its defects follow through onDefect().
    virtual void startRule(std::int32_t number) = 0;
    /// After the rule, with the seconds it took (0 unless the build profiles).
    virtual void finishRule(double seconds) = 0;

  protected:
    ~FileDefects() = default;
};

/// Writes one file's defect lines to the result channel as the rules find them: a print per
/// batch of about 64 KB of whole lines rather than one per line, and whatever is left when a
/// rule finishes. Memory stays at one batch however many defects a rule finds.
class DefectPrinter : public FileDefects {
  public:
    DefectPrinter(const std::string& fileName, OutputChannel& result);

    void startRule(std::int32_t number) override;
    void onDefect(std::int32_t line, std::string_view message) override;
    void finishRule(double seconds) override;

    /// The defects printed so far.
    std::uint32_t count() const { return count_; }

  private:
    static constexpr std::size_t kBatchBytes = 64 * 1024;

    void printBatch();

    const std::string& fileName_;
    OutputChannel& result_;
    std::string ruleText_; // " Rule(N) "
    std::string batch_;
    std::uint32_t count_ = 0;
};

} // namespace app
