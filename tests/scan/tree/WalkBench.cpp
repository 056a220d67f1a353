// The time of the tree walk alone on a code base, without git and with each way of asking
// it: scan_tree_bench [--follow] [--runs N] PATH...   (bench/scan-tree.sh prepares the JDK)
#include "scan/tree/LibraryGit.h"
#include "scan/tree/TreeWalk.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

using scan::tree::Git;
using scan::tree::WalkOptions;
using scan::tree::WalkResult;

void measure(const char* label, const std::vector<std::string>& paths, const WalkOptions& options,
             Git* git, int runs) {
    std::vector<double> seconds;
    WalkResult result;
    for (int run = 0; run < runs; ++run) {
        const auto start = std::chrono::steady_clock::now();
        result = scan::tree::walkTree(paths, options, git);
        seconds.push_back(
            std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
    }
    std::sort(seconds.begin(), seconds.end());
    std::printf("%-24s files %6zu  ignored %zu+%zu folders  problems %zu  warnings %zu  "
                "best %.3f s  median %.3f s\n",
                label, result.files.size(), result.ignoredFiles, result.ignoredFolders,
                result.problems.size(), result.warnings.size(), seconds.front(),
                seconds[seconds.size() / 2]);
}

} // namespace

int main(int argc, char** argv) {
    WalkOptions options;
    int runs = 5;
    std::vector<std::string> paths;
    for (int at = 1; at < argc; ++at) {
        const std::string argument = argv[at];
        if (argument == "--follow")
            options.followLinks = true;
        else if (argument == "--runs" && at + 1 < argc)
            runs = std::max(1, std::atoi(argv[++at]));
        else
            paths.push_back(argument);
    }
    WalkOptions plain = options;
    plain.gitIgnores = false;
    measure("without git", paths, plain, nullptr, runs);
    const auto library = scan::tree::makeLibraryGit();
    measure("git library", paths, options, library.get(), runs);
    const auto program = scan::tree::makeProgramGit();
    measure("git program", paths, options, program.get(), runs);
    return 0;
}
