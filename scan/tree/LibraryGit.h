#pragma once

#include "scan/tree/Git.h"

namespace scan::tree {

/// Git's questions answered in the process by the git library (builds that have it).
std::unique_ptr<Git> makeLibraryGit();

} // namespace scan::tree
