#pragma once

#include "lsp/Analyzer.h"
#include "lsp/Client.h"
#include "lsp/DueQueue.h"
#include "lsp/TextChange.h"
#include "lsp/Workspace.h"

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <map>
#include <mutex>
#include <nlohmann/json.hpp>
#include <optional>
#include <string>
#include <thread>
#include <vector>

namespace lsp {

/// The open Java documents and their analysis, which runs on a worker thread of its own so
/// that reading messages never waits for it.
///
/// A change makes its document due after the debounce time; an open, a save or a new
/// configuration makes it due at once. A newer version stops the analysis of an older one
/// between two rules, and results are published only for the version they were computed
/// on: a result that a change, a close or a new configuration has overtaken is dropped.
/// Results are pushed (publishDiagnostics), or kept for pull requests, which wait for the
/// analysis of the document's current version when it has not finished yet.
class AnalysisService {
  public:
    /// What becomes of a defect that the workspace's baseline records.
    enum class KnownDefects { kHint, kHide, kShow };

    struct Settings {
        std::chrono::milliseconds debounce{200};
        bool push = true;
        KnownDefects knownDefects = KnownDefects::kHint;
    };

    AnalysisService(Client& client, const Workspace& workspace, const TextChecker& checker,
                    Settings settings);
    ~AnalysisService();
    AnalysisService(const AnalysisService&) = delete;
    AnalysisService& operator=(const AnalysisService&) = delete;

    void open(const std::string& uri, std::int64_t version, std::string text);
    /// Applies the changes in order; false when the document is not open.
    bool change(const std::string& uri, std::int64_t version,
                const std::vector<TextChange>& changes);
    void save(const std::string& uri);
    /// Forgets the document and clears its diagnostics.
    void close(const std::string& uri);
    /// Analyses every open document again (the configuration changed).
    void reanalyseAll();

    /// Answers a pull request now, or when the current version's analysis ends.
    void pull(const nlohmann::json& id, const std::string& uri,
              const std::optional<std::string>& previousResultId);
    /// Answers a waiting pull request as cancelled; false when none waits under that id.
    bool cancel(const nlohmann::json& id);

    /// Ends the worker; waiting pull requests are answered as cancelled.
    void stop();

    struct DocumentState {
        std::string text;
        std::int64_t version;
    };
    std::optional<DocumentState> document(const std::string& uri) const;

  private:
    struct Report {
        std::uint64_t generation;
        std::string resultId;
        nlohmann::json items;
    };
    struct Document {
        std::string text;
        std::int64_t version = 0;
        std::uint64_t generation = 0; // new at every change of the text or the configuration
        std::optional<std::string> path;
        std::optional<Report> report;
    };
    struct Job {
        std::string uri;
        std::string text;
        std::int64_t version;
        std::uint64_t generation;
        std::optional<std::string> path;
    };
    struct WaitingPull {
        nlohmann::json id;
        std::string uri;
        std::optional<std::string> previousResultId;
    };

    void run();
    std::optional<Job> nextJob(std::unique_lock<std::mutex>& lock);
    std::optional<nlohmann::json> analyse(const Job& job);
    void finish(const Job& job, nlohmann::json items);
    void makeDue(const std::string& uri, DueQueue::Clock::time_point due);
    void answerPull(const WaitingPull& pull, const Report& report);
    void answerWaitingPulls(const std::string& uri, const Report* report);
    void publish(const std::string& uri, const std::optional<std::int64_t>& version,
                 const nlohmann::json& items);

    Client& client_;
    const Workspace& workspace_;
    const TextChecker& checker_;
    const Settings settings_;

    mutable std::mutex mutex_;
    std::condition_variable wake_;
    std::map<std::string, Document> documents_;
    DueQueue due_;
    std::vector<WaitingPull> waiting_;
    std::string running_; // the document under analysis, or empty
    std::atomic<bool> cancelRunning_{false};
    std::uint64_t nextResultId_ = 1;
    std::uint64_t nextGeneration_ = 1;
    bool stopping_ = false;
    std::thread worker_;
};

} // namespace lsp
