#pragma once

// Long texts for every rule, built by repeating fragments of the rule's own patterns and the
// Java tokens around them: headers without bodies, bodies without headers, unclosed brackets,
// literals and comments, nesting. A rule whose time grows faster than the text on one of
// them has a search that runs on too far; the growth test and the growth benchmark time every
// rule on them at several sizes.

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace quarvel::testing {

struct GrowthText {
    std::int32_t rule;
    /// How the text is built, for a report: the repeated unit, escaped.
    std::string name;
    std::string head; // once, before the repeated part
    std::string unit; // repeated up to the size
    std::string tail; // repeated after the units, as many times as the units, for nesting
};

/// Every text of every rule.
std::vector<GrowthText> growthTexts();

/// The text at about `size` bytes.
std::string grown(const GrowthText& text, std::size_t size);

} // namespace quarvel::testing
