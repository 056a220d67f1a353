#pragma once

#include <string>

namespace scan::tree {

/// "not inside a git work tree: FOLDER", and " (REASON)" when git gave one.
std::string notInWorkTreeMessage(const std::string& folder, const std::string& reason);

/// "unknown revision 'REVISION'", and " (REASON)" when git gave one.
std::string unknownRevisionMessage(const std::string& revision, const std::string& reason);

/// The text, and " (REASON)" when there is a reason.
std::string withReason(const std::string& text, const std::string& reason);

} // namespace scan::tree
