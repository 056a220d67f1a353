#pragma once

#include "scan/tree/ChangedLines.h"

#include <string>

namespace scan::tree {

/// A path as git prints it in a diff's header: unchanged, or between double quotes with
/// C escapes (\n, \t, \", \\, \ooo for a byte in octal) when it holds a byte that needs them.
std::string unquoteGitPath(const std::string& text);

/// Adds to `changes` the new lines of each file of a `git diff` patch made with -U0: the
/// lines of each hunk's new side, under the file's new name ("+++ b/NAME"). Lines of a hunk
/// that look like headers are read as the hunk's lines, by the counts its header gives.
void addDiffLines(const std::string& patch, ChangedLines& changes);

} // namespace scan::tree
