// The server against a configuration reader of the test's own: what a workspace's
// configuration switches off, the levels it sets, the files it excludes, a configuration
// that cannot be read, and reading it again when it changes.
#include "lsp/WorkspaceConfig.h"
#include "tests/lsp/support/ServerHarness.h"

#include <gtest/gtest.h>

#include <atomic>
#include <map>
#include <set>

namespace {

using namespace quarvel::testing;
using Json = nlohmann::json;

const std::string kFolder = "file:///w";
const std::string kSource = "file:///w/src/A.java";
// 1006 on line 4, and 1035 and 1037 on line 1.
const std::string kText =
    "class A {\n  void f() {\n    try { g(); }\n    catch (java.io.IOException e) { }\n  }\n}\n";

class TableConfig : public lsp::WorkspaceConfig {
  public:
    std::set<std::string> excluded;
    std::map<std::string, std::vector<std::int32_t>> off;
    std::map<std::int32_t, lsp::Level> levels;

    lsp::FileRules rulesFor(const std::string& path) const override {
        lsp::FileRules rules;
        rules.excluded = excluded.count(path) > 0;
        if (const auto found = off.find(path); found != off.end())
            rules.off = found->second;
        rules.levels = levels;
        return rules;
    }
};

class DefaultReader : public lsp::ConfigReader {
  public:
    std::shared_ptr<const lsp::WorkspaceConfig> read(const std::string&) const override {
        return std::make_shared<lsp::DefaultConfig>();
    }
};

/// Gives the configurations of a list in turn, one per read; a missing one is a bad file.
class ScriptedReader : public lsp::ConfigReader {
  public:
    explicit ScriptedReader(std::vector<std::shared_ptr<TableConfig>> configs)
        : configs_(std::move(configs)) {}
    std::shared_ptr<const lsp::WorkspaceConfig> read(const std::string& folder) const override {
        folders_.push_back(folder);
        const std::size_t read = reads_++;
        const auto& config = configs_[std::min(read, configs_.size() - 1)];
        if (!config)
            throw lsp::ConfigError(folder + "/quarvel.toml:3: expected a table");
        return config;
    }
    std::size_t reads() const { return reads_; }
    const std::vector<std::string>& folders() const { return folders_; }

  private:
    std::vector<std::shared_ptr<TableConfig>> configs_;
    mutable std::atomic<std::size_t> reads_{0};
    mutable std::vector<std::string> folders_;
};

Json initialize(bool watch) {
    Json capabilities = Json::object();
    if (watch)
        capabilities["workspace"]["didChangeWatchedFiles"]["dynamicRegistration"] = true;
    return request(1, "initialize",
                   {{"capabilities", capabilities},
                    {"workspaceFolders", Json::array({{{"uri", kFolder}, {"name", "w"}}})}});
}

/// The rules of the diagnostics, each with its severity.
std::map<std::int64_t, int> rulesOf(const Json& publish) {
    std::map<std::int64_t, int> rules;
    for (const Json& diagnostic : publish["params"]["diagnostics"])
        rules[diagnostic.value("code", 0)] = diagnostic["severity"];
    return rules;
}

lsp::ServerOptions optionsWith(const lsp::ConfigReader& reader) {
    lsp::ServerOptions options;
    options.debounce = std::chrono::milliseconds(0);
    options.configReader = &reader;
    return options;
}

bool isResponse(const Json& message) {
    return message.contains("id") && !message.contains("method");
}

TEST(ServerConfig, RulesOffLevelsAndExcludedFiles) {
    auto config = std::make_shared<TableConfig>();
    config->off["src/A.java"] = {1035, 1037};
    config->levels[1006] = lsp::Level::kError;
    config->excluded.insert("gen/B.java");
    const ScriptedReader reader({config});
    ServerHarness server(optionsWith(reader));
    server.send(initialize(false));
    ASSERT_TRUE(server.waitFor(isResponse));
    EXPECT_EQ(reader.folders(), std::vector<std::string>{"/w"});

    server.send(didOpen(kSource, kText));
    const auto published = server.waitForDiagnostics(kSource);
    ASSERT_TRUE(published);
    EXPECT_EQ(rulesOf(*published), (std::map<std::int64_t, int>{{1006, 1}}));

    server.send(didOpen("file:///w/gen/B.java", kText));
    const auto excluded = server.waitForDiagnostics("file:///w/gen/B.java");
    ASSERT_TRUE(excluded);
    EXPECT_EQ(excluded->at("params").at("diagnostics"), Json::array());

    // Outside the folder the defaults hold.
    server.send(didOpen("file:///elsewhere/A.java", kText));
    const auto outside = server.waitForDiagnostics("file:///elsewhere/A.java");
    ASSERT_TRUE(outside);
    // Each rule at its own level: 1006 a warning, 1035 and 1037 notes.
    EXPECT_EQ(rulesOf(*outside), (std::map<std::int64_t, int>{{1006, 2}, {1035, 3}, {1037, 3}}));
}

TEST(ServerConfig, ABadConfigurationIsShownOnceAndTheDefaultsHold) {
    const ScriptedReader reader({nullptr});
    ServerHarness server(optionsWith(reader));
    server.send(initialize(false));
    const auto shown = server.waitFor(
        [](const Json& message) { return message.value("method", "") == "window/showMessage"; });
    ASSERT_TRUE(shown);
    EXPECT_EQ(shown->at("params"),
              (Json{{"type", 1},
                    {"message", "/w/quarvel.toml:3: expected a table (quarvel uses its "
                                "defaults until the file is fixed)"}}));

    server.send(notification("initialized", Json::object()));
    server.send(didOpen(kSource, kText));
    server.send(didOpen("file:///w/B.java", kText));
    ASSERT_TRUE(server.waitForDiagnostics(kSource));
    const auto second = server.waitForDiagnostics("file:///w/B.java");
    ASSERT_TRUE(second);
    EXPECT_EQ(rulesOf(*second).size(), 3u);
    server.finish();
    std::size_t shownCount = 0;
    for (const Json& message : server.messages())
        shownCount += message.value("method", "") == "window/showMessage";
    EXPECT_EQ(shownCount, 1u);
}

TEST(ServerConfig, AChangedConfigurationIsReadAgainAndEveryDocumentRechecked) {
    auto first = std::make_shared<TableConfig>();
    auto second = std::make_shared<TableConfig>();
    second->off["src/A.java"] = {1006};
    const ScriptedReader reader({first, second, nullptr});
    ServerHarness server(optionsWith(reader));
    server.send(initialize(true));
    ASSERT_TRUE(server.waitFor(isResponse));
    server.send(notification("initialized", Json::object()));
    const auto registration = server.waitFor([](const Json& message) {
        return message.value("method", "") == "client/registerCapability";
    });
    ASSERT_TRUE(registration);
    EXPECT_EQ(registration->at("params").at("registrations")[0].at("registerOptions"),
              (Json{{"watchers", Json::array({{{"globPattern", "**/quarvel.toml"}}})}}));

    server.send(didOpen(kSource, kText));
    const auto before = server.waitForDiagnostics(kSource);
    ASSERT_TRUE(before);
    EXPECT_EQ(rulesOf(*before).count(1006), 1u);

    // Another file's change reads nothing.
    server.send(notification(
        "workspace/didChangeWatchedFiles",
        {{"changes", Json::array({{{"uri", "file:///w/sub/quarvel.toml"}, {"type", 2}}})}}));
    server.send(notification(
        "workspace/didChangeWatchedFiles",
        {{"changes", Json::array({{{"uri", "file:///w/quarvel.toml"}, {"type", 2}}})}}));
    const auto after = server.waitForDiagnostics(kSource);
    ASSERT_TRUE(after);
    EXPECT_EQ(rulesOf(*after).count(1006), 0u);
    EXPECT_EQ(reader.reads(), 2u);

    // Saved in the editor: read again; now it is bad, and the defaults hold.
    server.send(notification("textDocument/didSave",
                             {{"textDocument", {{"uri", "file:///w/quarvel.toml"}}}}));
    ASSERT_TRUE(server.waitFor(
        [](const Json& message) { return message.value("method", "") == "window/showMessage"; }));
    const auto defaults = server.waitForDiagnostics(kSource);
    ASSERT_TRUE(defaults);
    EXPECT_EQ(rulesOf(*defaults).count(1006), 1u);
    EXPECT_EQ(reader.reads(), 3u);
}

TEST(ServerConfig, NoWatcherIsRegisteredWithoutTheClientsConsent) {
    const DefaultReader reader;
    ServerHarness server(optionsWith(reader));
    server.send(initialize(false));
    server.send(notification("initialized", Json::object()));
    server.send(request(2, "shutdown", nullptr));
    ASSERT_TRUE(server.waitFor([](const Json& message) { return message.value("id", 0) == 2; }));
    server.send(notification("exit", nullptr));
    EXPECT_EQ(server.finish(), 0);
    for (const Json& message : server.messages())
        EXPECT_NE(message.value("method", ""), "client/registerCapability");
}

} // namespace
