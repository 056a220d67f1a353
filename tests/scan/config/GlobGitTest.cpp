// Globs compared with git's own matcher. Each generated pattern goes into the .gitignore of a
// folder of its own in a throwaway repository, beside a generated tree of files and folders;
// one `git check-ignore` run answers for every path of every pattern of a property case.
#include "scan/config/Glob.h"
#include "tests/support/Generators.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <rapidcheck/gtest.h>
#include <set>
#include <sstream>
#include <string>
#include <unistd.h>
#include <vector>

namespace {

namespace fs = std::filesystem;
using scan::config::Glob;
using scan::config::GlobException;

/// One pattern and the files and folders it is tried on: every folder on the way to a leaf is
/// a node too.
struct GlobCase {
    std::string pattern;
    std::map<std::string, bool> nodes; ///< path -> is a folder
};

void showValue(const GlobCase& c, std::ostream& os) {
    os << "pattern '" << c.pattern << "' on";
    for (const auto& [path, isFolder] : c.nodes)
        os << " '" << path << (isFolder ? "/'" : "'");
}

rc::Gen<std::string> patterns() {
    const rc::Gen<std::string> fragment = rc::gen::weightedElement<std::string>({
        {6, "a"},    {4, "b"},    {3, "."},    {5, "/"},    {4, "*"},     {3, "**"},    {2, "?"},
        {1, "[ab]"}, {1, "[!a]"}, {1, "[^b]"}, {1, "[]a]"}, {1, "[a-b]"}, {1, "[.-b]"}, {1, "["},
        {2, "]"},    {1, "\\*"},  {1, "\\["},  {1, "\\?"},  {1, "\\"},    {1, "!"},     {1, "-"},
        {2, "**/"},  {2, "/**"},  {1, "/**/"}, {1, "\\\\"}, {1, "\\]"},   {1, "\\."},
    });
    return rc::gen::mapcat(rc::gen::inRange(1, 6), [fragment](int count) {
        return rc::gen::map(rc::gen::container<std::vector<std::string>>(count, fragment),
                            quarvel::testing::joined);
    });
}

rc::Gen<std::string> names() {
    const rc::Gen<char> byte = rc::gen::weightedElement<char>({
        {6, 'a'},
        {6, 'b'},
        {3, '.'},
        {1, '*'},
        {1, '['},
        {1, ']'},
        {1, '?'},
        {1, '\\'},
        {1, '!'},
        {1, '-'},
    });
    return rc::gen::suchThat(
        rc::gen::mapcat(rc::gen::inRange(1, 4),
                        [byte](int size) { return rc::gen::container<std::string>(size, byte); }),
        [](const std::string& name) { return name != "." && name != ".."; });
}

rc::Gen<GlobCase> globCases() {
    return rc::gen::exec([] {
        GlobCase c;
        c.pattern = *patterns();
        const int leaves = *rc::gen::inRange(1, 7);
        for (int leaf = 0; leaf < leaves; ++leaf) {
            const int depth = *rc::gen::inRange(1, 4);
            std::string path;
            for (int level = 0; level < depth; ++level) {
                if (!path.empty()) {
                    c.nodes[path] = true;
                    path += '/';
                }
                path += *names();
            }
            // A leaf that is also on the way to another leaf stays a folder.
            c.nodes.emplace(path, *rc::gen::arbitrary<bool>());
        }
        return c;
    });
}

/// A repository in a folder of its own, removed at the end of the program.
class ThrowawayRepository {
  public:
    ThrowawayRepository() {
        // Thousands of folders are made and removed: in memory where the system offers it.
        std::error_code noShm;
        const fs::path parent =
            fs::is_directory("/dev/shm", noShm) ? fs::path("/dev/shm") : fs::temp_directory_path();
        std::string folder = (parent / "glob-git-XXXXXX").string();
        if (!mkdtemp(folder.data()))
            throw std::runtime_error("cannot make a temporary folder");
        root_ = folder;
        run("git init -q " + quoted(root_.string()));
    }
    ~ThrowawayRepository() {
        std::error_code ignored;
        fs::remove_all(root_, ignored);
    }

    const fs::path& root() const { return root_; }

    /// Runs a shell command in the repository, with no configuration of the machine or the
    /// user, and fails unless it ends with one of the statuses.
    void run(const std::string& command, std::initializer_list<int> statuses = {0}) const {
        const std::string line = "cd " + quoted(root_.string()) +
                                 " && GIT_CONFIG_NOSYSTEM=1 GIT_CONFIG_GLOBAL=/dev/null " + command;
        const int status = std::system(line.c_str());
        const int exitStatus = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
        if (std::find(statuses.begin(), statuses.end(), exitStatus) == statuses.end())
            throw std::runtime_error("'" + line + "' ended with " + std::to_string(exitStatus));
    }

    static std::string quoted(const std::string& text) {
        std::string out = "'";
        for (const char c : text)
            out += c == '\'' ? std::string("'\\''") : std::string(1, c);
        return out + "'";
    }

  private:
    fs::path root_;
};

const ThrowawayRepository& repository() {
    static const ThrowawayRepository repo;
    return repo;
}

/// Git's answer for every node of every case: whether the node is ignored, itself or by a
/// folder above it.
std::vector<std::map<std::string, bool>> askGit(const std::vector<GlobCase>& cases) {
    static int runs = 0;
    const std::string run = "run" + std::to_string(runs++);
    const fs::path runFolder = repository().root() / run;
    std::string queries;
    for (std::size_t i = 0; i < cases.size(); ++i) {
        const std::string caseName = "c" + std::to_string(i);
        const fs::path folder = runFolder / caseName;
        fs::create_directories(folder);
        std::ofstream(folder / ".gitignore", std::ios::binary) << cases[i].pattern << '\n';
        for (const auto& [path, isFolder] : cases[i].nodes) {
            // Git looks on disk for whether a path is a folder; a path that is not there is
            // a file to it, so files need not be written.
            if (isFolder)
                fs::create_directories(folder / path);
            queries += run + "/" + caseName + "/" + path;
            queries += '\0';
        }
    }
    std::ofstream(runFolder / "queries", std::ios::binary) << queries;
    repository().run("git -c core.excludesFile=/dev/null -c core.ignoreCase=false "
                     "check-ignore --no-index --stdin -z -v -n < " +
                         run + "/queries > " + run + "/answers",
                     {0, 1});
    std::ifstream answersFile(runFolder / "answers", std::ios::binary);
    std::stringstream answers;
    answers << answersFile.rdbuf();
    const std::string text = answers.str();

    // Each answer is four fields ending in a zero byte: source, line, pattern, path; the
    // source is empty for a path that nothing ignores.
    std::vector<std::string> fields;
    for (std::size_t from = 0, end; (end = text.find('\0', from)) != std::string::npos;
         from = end + 1)
        fields.push_back(text.substr(from, end - from));
    std::vector<std::map<std::string, bool>> ignored(cases.size());
    for (std::size_t at = 0; at + 4 <= fields.size(); at += 4) {
        const std::string& path = fields[at + 3];
        const std::size_t caseStart = run.size() + 2;
        const std::size_t caseEnd = path.find('/', caseStart);
        const std::size_t caseIndex = std::stoul(path.substr(caseStart, caseEnd - caseStart));
        ignored.at(caseIndex)[path.substr(caseEnd + 1)] = !fields[at].empty();
    }
    return ignored;
}

/// Rejections of patterns that git reads but that never match a path: these must match no
/// node. Other rejections are of patterns git gives a meaning that this program refuses.
bool isRejectedAsMatchingNothing(const std::string& message) {
    for (const char* reason : {"it names no file or folder", "'.' or '..' name",
                               "it ends in a backslash", "is never closed"}) {
        if (message.find(reason) != std::string::npos)
            return true;
    }
    return false;
}

/// Whether git reads the pattern otherwise than its documentation says. In a pattern matched
/// from the top, git takes a run of stars that shares its name with other bytes as `**` when
/// only literal bytes come before it: `a**/b` matches "ab" and "a/x/b" there. The
/// documentation, and this program, read such a run as `*`.
bool gitReadsItsStarsOtherwise(const std::string& pattern) {
    const std::string_view body(pattern.data(), pattern.size() - (pattern.back() == '/' ? 1 : 0));
    if (body.find('/') == std::string_view::npos)
        return false;
    for (std::size_t at = body.find("**"); at != std::string_view::npos;
         at = body.find("**", at + 1)) {
        std::size_t end = at;
        while (end < body.size() && body[end] == '*')
            ++end;
        if ((at > 0 && body[at - 1] != '/') || (end < body.size() && body[end] != '/'))
            return true;
        at = end - 1;
    }
    return false;
}

RC_GTEST_PROP(GlobAgainstGit, CoversWhatGitIgnores, ()) {
    const auto cases = *rc::gen::container<std::vector<GlobCase>>(40, globCases());
    const std::vector<std::map<std::string, bool>> ignored = askGit(cases);
    for (std::size_t i = 0; i < cases.size(); ++i) {
        const GlobCase& c = cases[i];
        RC_ASSERT(ignored[i].size() == c.nodes.size());
        if (gitReadsItsStarsOtherwise(c.pattern))
            continue;
        try {
            const Glob glob(c.pattern);
            for (const auto& [path, isFolder] : c.nodes) {
                RC_LOG() << "'" << c.pattern << "' on '" << path << "' (folder: " << isFolder
                         << "), git: " << ignored[i].at(path) << "\n";
                RC_ASSERT(glob.covers(path, isFolder) == ignored[i].at(path));
            }
        } catch (const GlobException& e) {
            if (isRejectedAsMatchingNothing(e.getMessage())) {
                for (const auto& [path, isFolder] : c.nodes) {
                    RC_LOG() << e.getMessage() << " on '" << path << "'\n";
                    RC_ASSERT(!ignored[i].at(path));
                }
            }
        }
    }
}

// The generated cases reach what they are meant to: accepted patterns that match, some only
// through a folder above, anchored ones and `**` among them.
TEST(GlobAgainstGit, GeneratedCasesReachEveryKindOfMatch) {
    std::size_t accepted = 0;
    std::size_t matching = 0;
    std::size_t throughFolderOnly = 0;
    std::size_t anchoredMatching = 0;
    std::size_t anyNamesMatching = 0;
    std::size_t rejectedAsNothing = 0;
    for (const GlobCase& c : quarvel::testing::sampleOf(globCases(), 2000)) {
        try {
            const Glob glob(c.pattern);
            ++accepted;
            bool matched = false;
            for (const auto& [path, isFolder] : c.nodes) {
                matched = matched || glob.matches(path, isFolder);
                throughFolderOnly +=
                    glob.covers(path, isFolder) && !glob.matches(path, isFolder) ? 1 : 0;
            }
            matching += matched ? 1 : 0;
            const bool anchored = c.pattern.find('/') < c.pattern.size() - 1;
            anchoredMatching += matched && anchored ? 1 : 0;
            anyNamesMatching += matched && anchored && c.pattern.find("**") != std::string::npos;
        } catch (const GlobException& e) {
            rejectedAsNothing += isRejectedAsMatchingNothing(e.getMessage()) ? 1 : 0;
        }
    }
    EXPECT_GT(accepted, 1200u);
    EXPECT_GT(matching, 450u);
    EXPECT_GT(throughFolderOnly, 140u);
    EXPECT_GT(anchoredMatching, 110u);
    EXPECT_GT(anyNamesMatching, 90u);
    EXPECT_GT(rejectedAsNothing, 200u);
}

} // namespace
