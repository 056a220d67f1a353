// The git library and the git program, on generated repositories: the walk leaves out the
// same files with either, and both keep exactly what `git ls-files` lists as tracked or
// untracked and not ignored; the lines new since the commit are the same with either.
// CTest runs a fixed seed and a few dozen repositories; for a longer run:
//   RC_PARAMS="max_success=500" build/tests/scan/tree/scan_tree_differential_tests
#include "scan/tree/TreeWalk.h"
#include "tests/scan/tree/ScratchSpace.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <map>
#include <ostream>
#include <rapidcheck/gtest.h>
#include <set>

namespace scan::tree::testing {
namespace {

// Folder and file names, some of which the rules below name, some with odd bytes.
const std::vector<std::string> kFolders = {"a",   "b",      "build",  "gen",
                                           "src", "x.java", "sp ace", "\xc3\xa9t\xc3\xa9"};
const std::vector<std::string> kFiles = {"A.java",      "B.gen.java", "Keep.gen.java", "Local.java",
                                         "Local2.java", "notes.txt",  "q\"uote.java"};
const std::vector<std::string> kRules = {"build/",         "*.gen.java",
                                         "!Keep.gen.java", "gen",
                                         "/A.java",        "Local*.java",
                                         "!Local.java",    "a/**/B.gen.java",
                                         "x.java/",        "**/sp ace/",
                                         "src/*.java",     "!src/",
                                         "*.txt",          "b/*",
                                         "!b/A.java",      "\xc3\xa9t\xc3\xa9/",
                                         "# a comment",    "",
                                         "\\!x",           "q*"};

// The repository's exclude file holds none of what the negations above take back: the git
// library lets a negation in a .gitignore file take back only what that file and the ones
// above it ignore, not what the exclude file or the user's excludes file ignore, as git does
// (the README says so, and GitIgnoreWalkTest shows it).
const std::vector<std::string> kExcludeRules = {"build/", "gen",         "*.txt", "x.java/",
                                                "q*",     "# a comment", "",      "sp ace/"};

struct Layout {
    std::vector<std::string> files;
    std::vector<bool> tracked; ///< added with force before the rules are read
    std::vector<int> edits;    ///< what happens to each file after the commit
    std::map<std::string, std::vector<std::string>> ignoreFiles; ///< folder ("" the top), rules
    std::vector<std::string> excludeRules;
};

void showValue(const Layout& layout, std::ostream& out) {
    for (std::size_t at = 0; at < layout.files.size(); ++at)
        out << (layout.tracked[at] ? "tracked " : "file ") << layout.files[at] << " (edit "
            << layout.edits[at] << ")\n";
    for (const auto& [folder, lines] : layout.ignoreFiles) {
        out << "ignore file in '" << folder << "':";
        for (const std::string& line : lines)
            out << " '" << line << "'";
        out << "\n";
    }
    out << "excluded:";
    for (const std::string& line : layout.excludeRules)
        out << " '" << line << "'";
    out << "\n";
}

rc::Gen<std::string> paths() {
    return rc::gen::apply(
        [](const std::vector<std::string>& folders, const std::string& file) {
            std::string path;
            for (const std::string& folder : folders)
                path += folder + "/";
            return path + file;
        },
        rc::gen::mapcat(rc::gen::inRange(0, 4),
                        [](int depth) {
                            return rc::gen::container<std::vector<std::string>>(
                                static_cast<std::size_t>(depth), rc::gen::elementOf(kFolders));
                        }),
        rc::gen::elementOf(kFiles));
}

rc::Gen<std::vector<std::string>> rules() {
    return rc::gen::container<std::vector<std::string>>(rc::gen::elementOf(kRules));
}

rc::Gen<Layout> layouts() {
    return rc::gen::apply(
        [](std::vector<std::string> files, const std::vector<bool>& tracked,
           const std::vector<int>& edits,
           const std::vector<std::pair<std::string, std::vector<std::string>>>& ignoreFiles,
           const std::vector<std::string>& excludeRules) {
            std::sort(files.begin(), files.end());
            files.erase(std::unique(files.begin(), files.end()), files.end());
            Layout layout;
            layout.files = files;
            for (std::size_t at = 0; at < files.size(); ++at) {
                layout.tracked.push_back(at < tracked.size() && tracked[at]);
                layout.edits.push_back(at < edits.size() ? edits[at] : 0);
            }
            for (const auto& [path, lines] : ignoreFiles) {
                // An ignore file in a folder that holds files of the layout.
                const std::size_t slash = path.rfind('/');
                layout.ignoreFiles[slash == std::string::npos ? "" : path.substr(0, slash)] = lines;
            }
            layout.excludeRules = excludeRules;
            return layout;
        },
        rc::gen::resize(12, rc::gen::container<std::vector<std::string>>(paths())),
        rc::gen::container<std::vector<bool>>(rc::gen::arbitrary<bool>()),
        rc::gen::container<std::vector<int>>(rc::gen::inRange(0, 6)),
        rc::gen::resize(
            4, rc::gen::container<std::vector<std::pair<std::string, std::vector<std::string>>>>(
                   rc::gen::pair(paths(), rules()))),
        rc::gen::container<std::vector<std::string>>(rc::gen::elementOf(kExcludeRules)));
}

std::string contentOf(const std::string& path) {
    std::string text;
    for (int line = 1; line <= 6; ++line)
        text += "line " + std::to_string(line) + " of " + path + "\n";
    return text;
}

std::string joined(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines)
        text += line + "\n";
    return text;
}

void build(const Layout& layout, const std::string& top) {
    runGit(top, {"init", "-q"});
    std::vector<std::string> add = {"add", "-f", "--"};
    for (std::size_t at = 0; at < layout.files.size(); ++at) {
        writeFile(top + "/" + layout.files[at], contentOf(layout.files[at]));
        if (layout.tracked[at])
            add.push_back(layout.files[at]);
    }
    if (add.size() > 3)
        runGit(top, add);
    for (const auto& [folder, lines] : layout.ignoreFiles)
        writeFile(top + "/" + (folder.empty() ? "" : folder + "/") + ".gitignore", joined(lines));
    writeFile(top + "/.git/info/exclude", joined(layout.excludeRules));
    runGit(top, {"commit", "-q", "--allow-empty", "-m", "tracked"});
}

/// What git lists as tracked, or untracked and not ignored, that the walk would take.
std::vector<std::string> gitsJavaFiles(const std::string& top) {
    const std::string listing =
        runGit(top, {"ls-files", "-z", "--cached", "--others", "--exclude-standard"});
    std::vector<std::string> files;
    std::size_t start = 0;
    while (start < listing.size()) {
        const std::size_t end = listing.find('\0', start);
        const std::string path = listing.substr(start, end - start);
        const std::size_t slash = path.rfind('/');
        const std::string name = slash == std::string::npos ? path : path.substr(slash + 1);
        if (name.size() > 5 && name.compare(name.size() - 5, 5, ".java") == 0)
            files.push_back(path);
        start = end + 1;
    }
    std::sort(files.begin(), files.end());
    files.erase(std::unique(files.begin(), files.end()), files.end());
    return files;
}

void edit(const Layout& layout, const std::string& top) {
    for (std::size_t at = 0; at < layout.files.size(); ++at) {
        const std::string path = top + "/" + layout.files[at];
        const std::string content = contentOf(layout.files[at]);
        switch (layout.edits[at]) {
        case 1:
            writeFile(path, content + "an added line\n");
            break;
        case 2:
            writeFile(path, content.substr(0, content.find('\n') + 1) + "a changed line\n" +
                                content.substr(content.find('\n', content.find('\n') + 1) + 1));
            break;
        case 3:
            writeFile(path, content.substr(content.find('\n') + 1));
            break;
        case 4:
            std::remove(path.c_str());
            break;
        case 5:
            std::rename(path.c_str(), (path + ".moved.java").c_str());
            break;
        default:
            break;
        }
    }
}

std::map<std::string, std::string> describe(const ChangedLines& changes) {
    std::map<std::string, std::string> files;
    for (const auto& [path, lines] : changes.files()) {
        std::string text = lines.isWholeFile() ? "all" : "";
        for (const LineRange& range : lines.ranges())
            text += " " + std::to_string(range.first) + "-" + std::to_string(range.last);
        files[path] = text;
    }
    return files;
}

RC_GTEST_PROP(GitKinds, WalkAndNewLinesAgreeWithEachOtherAndWithGit, ()) {
    const Layout layout = *layouts();
    ScratchFolder repository;
    build(layout, repository.path());

    const auto library = gitKinds()[0].make();
    const auto program = gitKinds()[1].make();
    const WalkResult byLibrary = walkTree({repository.path()}, {}, library.get());
    const WalkResult byProgram = walkTree({repository.path()}, {}, program.get());
    const std::vector<std::string> walked = namesBelow(byProgram, repository.path());
    RC_ASSERT(walked == gitsJavaFiles(repository.path()));
    RC_ASSERT(namesBelow(byLibrary, repository.path()) == walked);
    RC_ASSERT(byLibrary.ignoredFiles == byProgram.ignoredFiles);
    RC_ASSERT(byLibrary.ignoredFolders == byProgram.ignoredFolders);
    RC_ASSERT(byLibrary.warnings.empty() && byProgram.warnings.empty());
    RC_TAG(walked.size() < layout.files.size() ? "some left out" : "none left out");

    edit(layout, repository.path());
    const auto newByLibrary = describe(library->changedLines(repository.path(), "HEAD"));
    const auto newByProgram = describe(program->changedLines(repository.path(), "HEAD"));
    RC_ASSERT(newByLibrary == newByProgram);
}

} // namespace
} // namespace scan::tree::testing
