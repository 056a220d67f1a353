#include "app/Analysis.h"

#include "products/quarvel/rule/AllRules.h"
#include "products/quarvel/ruleconfig/DirectiveRuleDisableParser.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <string>
#include <vector>

namespace {

using products::quarvel::rule::AllRules;
using products::quarvel::rule::RuleRegistry;

class MemoryLoader : public app::FileLoader {
  public:
    explicit MemoryLoader(std::map<std::string, std::string> files) : files_(std::move(files)) {}
    std::string load(const std::string& name, std::uint64_t,
                     const std::function<bool()>&) override {
        return files_.at(name);
    }

  private:
    std::map<std::string, std::string> files_;
};

/// Keeps every print, in order.
class RecordingSink : public app::OutputSink {
  public:
    app::OutputChannel& resultChannel() override { return channel_; }
    app::OutputChannel& spareChannel() override { return channel_; }
    app::OutputChannel& statusChannel() override { return channel_; }
    const std::vector<std::string>& prints() const { return channel_.prints; }
    std::string text() const {
        std::string all;
        for (const std::string& print : channel_.prints)
            all += print;
        return all;
    }

  private:
    struct Channel : app::OutputChannel {
        void print(const std::string& text) override { prints.push_back(text); }
        std::vector<std::string> prints;
    } channel_;
};

struct RunResult {
    int status;
    RecordingSink output;
};

RunResult analyse(std::map<std::string, std::string> files, std::vector<const char*> arguments) {
    const AllRules rules;
    const RuleRegistry registry = rules.registry();
    const products::quarvel::ruleconfig::DirectiveRuleDisableParser disableParser;
    MemoryLoader loader(std::move(files));
    RunResult run{0, {}};
    arguments.insert(arguments.begin(), "quarvel");
    run.status = app::runAnalysis(registry, disableParser, loader, run.output,
                                  static_cast<int>(arguments.size()), arguments.data());
    return run;
}

std::string withoutTime(const std::string& output) {
    return output.substr(0, output.rfind("Total time: "));
}

// 4,000 lines of one rule make far more text than one print batch holds: every line must come
// out once, in order, and no print may hold much more than a batch.
TEST(RunAnalysis, ARulesManyLinesComeOutWholeInOrderAndInBoundedPrints) {
    std::string source;
    for (int i = 0; i < 4000; ++i)
        source += "\tx;\n";
    const RunResult run = analyse({{"Tabs.java", source}}, {"-files", "Tabs.java"});
    EXPECT_EQ(run.status, 0);

    std::string expected = "\n";
    for (int line = 1; line <= 4000; ++line)
        expected += "Tabs.java:" + std::to_string(line) +
                    " Rule(1020) Tab found. Prefer space when indenting source code.\n";
    expected += "Tabs.java:1 Rule(1035) No package declaration found.\n"
                "Tabs.java:1 Rule(1037) No @author javadoc tag found.\n"
                "\nAnalysed 1 file. 4002 defects found.\n";
    for (const std::string& print : run.output.prints())
        ASSERT_LE(print.size(), 65 * 1024u);
    const std::string output = run.output.text();
    const std::string afterBanner =
        withoutTime(output.substr(output.find('\n', output.find('\n') + 1) + 1));
    // Compared by hand: a diff of two such texts would take gtest minutes.
    const auto differ =
        std::mismatch(afterBanner.begin(), afterBanner.end(), expected.begin(), expected.end());
    EXPECT_TRUE(afterBanner == expected)
        << "sizes " << afterBanner.size() << " and " << expected.size() << "; first difference at "
        << (differ.first - afterBanner.begin()) << ": "
        << afterBanner.substr(static_cast<std::size_t>(differ.first - afterBanner.begin()), 80);
}

} // namespace
