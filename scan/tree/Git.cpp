#include "scan/tree/Git.h"

#ifdef QUARVEL_HAVE_LIBGIT2
#include "scan/tree/LibraryGit.h"
#endif

namespace scan::tree {

std::unique_ptr<Git> makeGit() {
#ifdef QUARVEL_HAVE_LIBGIT2
    return makeLibraryGit();
#else
    return makeProgramGit();
#endif
}

} // namespace scan::tree
