// The server with a checker of the test's own that holds its first analysis until the test
// lets it go: a result that a newer version overtook while it ran is never published.
#include "lsp/Analyzer.h"
#include "tests/lsp/support/ServerHarness.h"

#include <gtest/gtest.h>

#include <condition_variable>
#include <mutex>

namespace {

using namespace quarvel::testing;
using Json = nlohmann::json;

/// Reports one defect whose message quotes the text. The first analysis waits for the test,
/// then finishes whatever `cancelled` says, as an analysis past its last rule does.
class HeldChecker : public lsp::TextChecker {
  public:
    std::optional<lsp::AnalysisOutcome> analyse(const std::string& text,
                                                const std::vector<std::int32_t>&,
                                                const std::atomic<bool>&) const override {
        std::unique_lock<std::mutex> lock(mutex_);
        if (calls_++ == 0) {
            started_ = true;
            changed_.notify_all();
            changed_.wait(lock, [this] { return released_; });
        }
        lsp::AnalysisOutcome outcome;
        outcome.findings.push_back({1006, 1, "text: " + text});
        return outcome;
    }
    void waitUntilStarted() const {
        std::unique_lock<std::mutex> lock(mutex_);
        changed_.wait(lock, [this] { return started_; });
    }
    void release() const {
        const std::lock_guard<std::mutex> lock(mutex_);
        released_ = true;
        changed_.notify_all();
    }

  private:
    mutable std::mutex mutex_;
    mutable std::condition_variable changed_;
    mutable int calls_ = 0;
    mutable bool started_ = false;
    mutable bool released_ = false;
};

bool isPublish(const Json& message) {
    return message.value("method", "") == "textDocument/publishDiagnostics";
}

TEST(ServerAnalysis, AResultThatANewerVersionOvertookIsDropped) {
    const HeldChecker checker;
    lsp::ServerOptions options;
    options.debounce = std::chrono::milliseconds(0);
    options.checker = &checker;
    ServerHarness server(options);
    server.send(request(1, "initialize", {{"capabilities", Json::object()}}));
    const std::string uri = "file:///w/A.java";
    server.send(didOpen(uri, "one"));
    checker.waitUntilStarted();
    server.send(notification("textDocument/didChange",
                             {{"textDocument", {{"uri", uri}, {"version", 2}}},
                              {"contentChanges", Json::array({{{"text", "two"}}})}}));
    // Answered in order: once this answer is out, the change has been taken in.
    server.send(request(2, "x/sync", Json::object()));
    ASSERT_TRUE(server.waitFor([](const Json& message) { return message.value("id", 0) == 2; }));
    checker.release();

    const auto published = server.waitFor(isPublish);
    ASSERT_TRUE(published);
    EXPECT_EQ(published->at("params").at("version"), 2);
    EXPECT_EQ(published->at("params").at("diagnostics")[0].at("message"), "text: two");
    server.send(request(3, "shutdown", nullptr));
    ASSERT_TRUE(server.waitFor([](const Json& message) { return message.value("id", 0) == 3; }));
    for (const Json& message : server.messages()) {
        if (isPublish(message)) {
            EXPECT_EQ(message.at("params").at("diagnostics")[0].at("message"), "text: two");
        }
    }
}

} // namespace
