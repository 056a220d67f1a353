#pragma once

#include <string>

namespace quarvel::testing {

/// Feeds one input to everything that reads untrusted bytes: the whole per-file analysis
/// (views, in-source directives, every rule, searched once through the patterns' anchors and
/// once at every position), the configuration reader and the argument parser. Returns what
/// went wrong (a defect at a line below 1, anchored and plain searches that disagree, a
/// failed internal check or a search that gave up), or the empty text. A crash or a hang is
/// left to the caller's tools to see.
std::string problemsWith(const std::string& input);

} // namespace quarvel::testing
