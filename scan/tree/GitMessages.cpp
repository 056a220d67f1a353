#include "scan/tree/GitMessages.h"

namespace scan::tree {

std::string withReason(const std::string& text, const std::string& reason) {
    return reason.empty() ? text : text + " (" + reason + ")";
}

std::string notInWorkTreeMessage(const std::string& folder, const std::string& reason) {
    return withReason("not inside a git work tree: " + folder, reason);
}

std::string unknownRevisionMessage(const std::string& revision, const std::string& reason) {
    return withReason("unknown revision '" + revision + "'", reason);
}

} // namespace scan::tree
