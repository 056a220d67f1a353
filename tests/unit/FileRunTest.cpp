// The files of a run analysed by several threads must print exactly what one thread prints:
// the same bytes in the same order, failed checks in their places, and after a file that
// fails, nothing more.
#include "app/FileRun.h"

#include "io/file/CouldNotLoadFileException.h"
#include "products/quarvel/rule/AllRules.h"
#include "products/quarvel/ruleconfig/DirectiveRuleDisableParser.h"
#include "tests/unit/TemporaryFolder.h"
#include "util/AssertionReporter.h"
#include "util/StandardOutput.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <map>
#include <regex>
#include <sstream>
#include <string>
#include <system_error>
#include <thread>
#include <vector>

namespace {

using products::quarvel::rule::AllRules;
using products::quarvel::rule::RuleRegistry;

std::string readWhole(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

/// Files from memory. A name listed as failing fails to load; a name listed as checked
/// reports a failed internal check while it loads.
class MemoryLoader : public app::FileLoader {
  public:
    std::map<std::string, std::string> files;
    std::vector<std::string> failing;
    std::vector<std::string> checked;

    std::string load(const std::string& name, std::uint64_t,
                     const std::function<bool()>&) override {
        if (std::find(checked.begin(), checked.end(), name) != checked.end())
            util::reportAssertion("loaded " + name, "tests/unit/FileRunTest.cpp", 1);
        if (std::find(failing.begin(), failing.end(), name) != failing.end())
            throw io::file::CouldNotLoadFileException("cannot load " + name);
        return files.at(name);
    }
};

/// Prints on standard output, where failed checks are published too, so that the test sees
/// both in their order.
class Console : public app::OutputChannel {
  public:
    void print(const std::string& text) override { util::writeStandardOutput(text); }
};

struct RunResult {
    std::string output;  // defect lines, failed checks and the failure's message, in order
    std::string reports; // what assertion.txt received
    std::uint32_t defects = 0;
    bool failed = false;
};

/// The text with the times of failed checks masked: two runs happen at different times.
std::string withoutTimes(const std::string& text) {
    static const std::regex kOccurred("Occurred: [^\n]*");
    return std::regex_replace(text, kOccurred, "Occurred: <time>");
}

RunResult run(const std::vector<std::string>& names, MemoryLoader& loader, unsigned workers,
              const app::ThreadStarter& startThread = app::startWorkerThread) {
    const testsupport::TemporaryFolder folder; // assertion.txt goes here
    const AllRules rules;
    const RuleRegistry registry = rules.registry();
    const products::quarvel::ruleconfig::DirectiveRuleDisableParser disableParser;
    const std::vector<std::int32_t> none;
    app::RunProfile profile;
    const app::FileAnalysis analysis(registry, disableParser, none, loader, profile);
    Console console;
    RunResult result;
    std::string activity;
    testing::internal::CaptureStdout();
    try {
        result.defects =
            app::analyseFiles(names, analysis, console, activity, workers, startThread);
    } catch (const exceptions::Exception& failure) {
        console.print("[" + failure.getMessage() + "]");
        result.failed = true;
    }
    result.output = withoutTimes(testing::internal::GetCapturedStdout());
    result.reports = withoutTimes(readWhole("assertion.txt"));
    return result;
}

/// The Java inputs of the rule tests and of the end-to-end cases, but those whose directives
/// end a run.
MemoryLoader sourcesOfTheTests() {
    MemoryLoader loader;
    for (const char* folder :
         {QUARVEL_SOURCE_DIR "/tests/rules", QUARVEL_SOURCE_DIR "/tests/cli"}) {
        for (const auto& entry : std::filesystem::recursive_directory_iterator(folder)) {
            if (entry.path().extension() == ".java" && entry.path().filename() != "Bad.java")
                loader.files[entry.path().string()] = readWhole(entry.path());
        }
    }
    return loader;
}

std::vector<std::string> namesOf(const MemoryLoader& loader) {
    std::vector<std::string> names;
    for (const auto& [name, text] : loader.files)
        names.push_back(name);
    return names;
}

void expectSame(const RunResult& one, const RunResult& several, unsigned workers) {
    EXPECT_EQ(several.defects, one.defects) << workers << " workers";
    EXPECT_EQ(several.failed, one.failed) << workers << " workers";
    EXPECT_TRUE(several.output == one.output)
        << workers << " workers: the output differs (sizes " << one.output.size() << " and "
        << several.output.size() << ")";
    EXPECT_EQ(several.reports, one.reports) << workers << " workers";
}

TEST(FileRun, SeveralWorkersPrintWhatOnePrints) {
    MemoryLoader loader = sourcesOfTheTests();
    std::vector<std::string> names = namesOf(loader);
    ASSERT_GT(names.size(), 100u);
    names.push_back(names.front()); // a name given twice is analysed twice
    const RunResult one = run(names, loader, 1);
    EXPECT_GT(one.defects, 1000u);
    for (const unsigned workers : {2u, 3u, 8u})
        expectSame(one, run(names, loader, workers), workers);
}

TEST(FileRun, MoreWorkersThanFilesAndNoFiles) {
    MemoryLoader loader = sourcesOfTheTests();
    const std::vector<std::string> all = namesOf(loader);
    const std::vector<std::string> names(all.begin(), all.begin() + 3);
    expectSame(run(names, loader, 1), run(names, loader, 8), 8);
    const RunResult empty = run({}, loader, 4);
    EXPECT_EQ(empty.defects, 0u);
    EXPECT_EQ(empty.output, "");
}

// Files without defects give the printing side nothing to take, so nothing but the end of
// each file lets the workers take more: a long run of them, and a run of files with output
// among them, must not wait for ever.
TEST(FileRun, ManyFilesWithoutDefects) {
    MemoryLoader loader = sourcesOfTheTests();
    const std::vector<std::string> withDefects = namesOf(loader);
    std::vector<std::string> names;
    for (int i = 0; i < 1000; ++i) {
        names.push_back("Clean" + std::to_string(i) + ".java");
        loader.files[names.back()] = "/** @author a */\npackage p;\n";
    }
    names.insert(names.begin() + 500, withDefects.begin(), withDefects.begin() + 100);
    const RunResult one = run(names, loader, 1);
    EXPECT_GT(one.defects, 0u);
    for (const unsigned workers : {2u, 3u, 8u})
        expectSame(one, run(names, loader, workers), workers);
}

// A file that cannot be loaded in the middle of the list: the lines of the files before it,
// then its failure, then nothing, however far the workers got beyond it.
TEST(FileRun, AFailureInTheMiddleEndsTheOutputThere) {
    MemoryLoader loader = sourcesOfTheTests();
    const std::vector<std::string> names = namesOf(loader);
    loader.failing = {names[names.size() / 2]};
    const RunResult one = run(names, loader, 1);
    EXPECT_TRUE(one.failed);
    const std::string failure = "[cannot load " + names[names.size() / 2] + "]";
    EXPECT_EQ(one.output.substr(one.output.size() - failure.size()), failure);
    EXPECT_EQ(one.output.find(names.back() + ":"), std::string::npos);
    for (const unsigned workers : {2u, 4u, 8u})
        expectSame(one, run(names, loader, workers), workers);

    // A bad directive fails the same way, after the file's own directives are read.
    loader.failing.clear();
    loader.files[names[10]] = "/* quarvel disable(abc) */\nclass A {\n\tint x;\n}\n";
    const RunResult directive = run(names, loader, 1);
    EXPECT_TRUE(directive.failed);
    expectSame(directive, run(names, loader, 3), 3);
}

// Failed internal checks appear where one thread prints them, and reach assertion.txt in the
// same order, including one that comes with a failing file. Each checked file follows a file
// with much output, so that a check published as it happens would come too early.
TEST(FileRun, FailedChecksKeepTheirPlaces) {
    MemoryLoader loader = sourcesOfTheTests();
    std::string tabs;
    for (int i = 0; i < 20000; ++i)
        tabs += "\tx;\n";
    std::vector<std::string> names;
    for (const std::string& name : namesOf(loader)) {
        if (names.size() % 40 == 0) {
            names.push_back("Tabs" + std::to_string(names.size()) + ".java");
            loader.files[names.back()] = tabs;
            loader.checked.push_back(name);
        }
        names.push_back(name);
    }
    const RunResult one = run(names, loader, 1);
    EXPECT_NE(one.reports.find("loaded " + names[1]), std::string::npos);
    for (const unsigned workers : {2u, 5u})
        expectSame(one, run(names, loader, workers), workers);

    loader.failing = {loader.checked[3]};
    const RunResult failing = run(names, loader, 1);
    EXPECT_NE(failing.reports.find("loaded " + loader.checked[3]), std::string::npos);
    EXPECT_EQ(failing.reports.find("loaded " + loader.checked[4]), std::string::npos);
    expectSame(failing, run(names, loader, 3), 3);
}

// When the system makes fewer threads than asked (a limit on processes or threads), the run
// goes on with those it made, down to the calling thread alone, and prints the same.
TEST(FileRun, FewerThreadsThanAsked) {
    MemoryLoader loader = sourcesOfTheTests();
    const std::vector<std::string> names = namesOf(loader);
    const RunResult one = run(names, loader, 1);
    for (const int made : {0, 1, 2}) {
        int started = 0;
        const app::ThreadStarter failingAfter = [&](std::function<void()> work) {
            if (started == made)
                throw std::system_error(
                    std::make_error_code(std::errc::resource_unavailable_try_again));
            ++started;
            return std::thread(std::move(work));
        };
        expectSame(one, run(names, loader, 4, failingAfter), made);
        EXPECT_EQ(started, made);
    }
}

/// Takes a while on one text, and counts how often it is called on it.
class SlowOn : public products::quarvel::rule::Rule {
  public:
    SlowOn(const std::string& text, std::atomic<int>& calls) : text_(text), calls_(calls) {}
    void checkRaw(const std::string& raw, products::quarvel::rule::DefectListener&) const override {
        if (raw != text_)
            return;
        ++calls_;
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }

  private:
    const std::string& text_;
    std::atomic<int>& calls_;
};

// Once a file has failed, the files after it will never be printed: their analysis stops
// at once instead of running to its end (42 rules of 50 ms here, 2 s) before the run ends.
TEST(FileRun, AFailureStopsTheWorkOnLaterFiles) {
    MemoryLoader loader;
    loader.files["Big.java"] = "class Big {}\n";
    loader.failing = {"Fails.java"};
    std::atomic<int> calls{0};
    const SlowOn slow(loader.files["Big.java"], calls);
    RuleRegistry registry;
    for (std::int32_t number = 1000; number <= 1041; ++number)
        registry.add(number, slow);
    const products::quarvel::ruleconfig::DirectiveRuleDisableParser disableParser;
    const std::vector<std::int32_t> none;
    app::RunProfile profile;
    const app::FileAnalysis analysis(registry, disableParser, none, loader, profile);
    Console console;
    std::string activity;
    EXPECT_THROW(app::analyseFiles({"Fails.java", "Big.java"}, analysis, console, activity, 2),
                 exceptions::Exception);
    EXPECT_LT(calls.load(), 10);
}

} // namespace
