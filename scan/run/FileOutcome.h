#pragma once

#include "products/quarvel/rule/RuleCatalogue.h"
#include "products/quarvel/rule/RuleLevel.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace scan::run {

/// One defect of a file as the scan reports it.
struct Finding {
    std::int32_t line = 0;
    const products::quarvel::rule::RuleInfo* rule = nullptr;
    std::string message;
    products::quarvel::rule::Level level = products::quarvel::rule::Level::kWarning;
    /// The defect's identity from run to run: 32 hex digits of its baseline key and its
    /// occurrence among the file's defects of that key.
    std::string fingerprint;
    /// Recorded in the baseline the run compares with.
    bool inBaseline = false;
    /// On a line new since the revision the run compares with (every line without one).
    bool onNewLine = true;
    /// What the baseline file records of it: the line's hash and the context's.
    std::uint32_t lineHash = 0;
    std::uint16_t contextHash = 0;

    /// Whether the run's comparisons leave it to report: not in the baseline, on a new line.
    bool isNew() const { return !inBaseline && onNewLine; }
};

/// What the scan found in one file: its defects by line (on one line, in rule order), or why
/// it could not be analysed.
struct FileOutcome {
    std::string name;         ///< as the walk found it: the name to print
    std::string relativePath; ///< relative to the configuration's folder, '/' between names
    std::vector<Finding> findings;
    std::optional<std::string> problem;
};

} // namespace scan::run
