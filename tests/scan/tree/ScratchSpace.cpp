#include "tests/scan/tree/ScratchSpace.h"

#include "platform/ProcessRunner.h"
#include "scan/tree/LibraryGit.h"

#include <cstdlib>
#include <fstream>
#include <stdexcept>
#include <sys/stat.h>
#include <unistd.h>

namespace scan::tree::testing {

namespace {

std::string temporaryRoot() {
    const char* const folder = std::getenv("TMPDIR");
    return folder && *folder ? folder : "/tmp";
}

void run(const std::vector<std::string>& command) {
    const auto outcome = platform::runProgram(command);
    if (!outcome || outcome->exitStatus != 0)
        throw std::runtime_error("failed: " + command[0] + " " + command[1] + ": " +
                                 (outcome ? outcome->errorOutput : "cannot start"));
}

} // namespace

ScratchFolder::ScratchFolder() {
    std::string pattern = temporaryRoot() + "/quarvel-scan-tree-XXXXXX";
    if (!mkdtemp(&pattern[0]))
        throw std::runtime_error("cannot make a temporary folder");
    path_ = pattern;
}

ScratchFolder::~ScratchFolder() {
    // Folders a test made unreadable are made readable again first.
    platform::runProgram({"chmod", "-R", "u+rwx", path_});
    platform::runProgram({"rm", "-rf", path_});
}

void makeFolders(const std::string& path) {
    run({"mkdir", "-p", "--", path});
}

void writeFile(const std::string& path, const std::string& bytes) {
    const std::size_t slash = path.rfind('/');
    if (slash != std::string::npos && slash > 0)
        makeFolders(path.substr(0, slash));
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file << bytes;
    if (!file.flush())
        throw std::runtime_error("cannot write " + path);
}

void makeLink(const std::string& target, const std::string& link) {
    if (symlink(target.c_str(), link.c_str()) != 0)
        throw std::runtime_error("cannot make the link " + link);
}

std::string runGit(const std::string& folder, const std::vector<std::string>& arguments) {
    std::vector<std::string> command{"git", "-C", folder};
    command.insert(command.end(), arguments.begin(), arguments.end());
    const auto outcome = platform::runProgram(command);
    if (!outcome)
        throw std::runtime_error("cannot run git");
    if (outcome->exitStatus != 0)
        throw std::runtime_error("git " + arguments[0] + " failed: " + outcome->errorOutput);
    return outcome->output;
}

void initRepository(const std::string& folder) {
    makeFolders(folder);
    runGit(folder, {"init", "-q"});
    commitAll(folder, "first");
}

void commitAll(const std::string& folder, const std::string& message) {
    runGit(folder, {"add", "-A"});
    runGit(folder, {"commit", "-q", "--allow-empty", "-m", message});
}

std::vector<std::string> namesBelow(const WalkResult& result, const std::string& root) {
    std::vector<std::string> names;
    for (const FoundFile& file : result.files) {
        std::string name = file.name;
        if (name.compare(0, root.size() + 1, root + "/") == 0)
            name.erase(0, root.size() + 1);
        names.push_back(name);
    }
    return names;
}

std::vector<GitKind> gitKinds() {
    return {{"Library", [] { return makeLibraryGit(); }},
            {"Program", [] { return makeProgramGit(); }}};
}

std::string globalConfigFile() {
    return std::string(std::getenv("HOME")) + "/.gitconfig";
}

} // namespace scan::tree::testing
