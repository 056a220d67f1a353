#include "lsp/AnalysisService.h"

#include "lsp/Diagnostics.h"
#include "lsp/FileUri.h"
#include "lsp/RpcError.h"
#include "scan/baseline/BaselineMatcher.h"
#include "util/AssertionReporter.h"

#include <algorithm>
#include <new>

namespace lsp {

using Json = nlohmann::json;
using Clock = DueQueue::Clock;

AnalysisService::AnalysisService(Client& client, const Workspace& workspace,
                                 const TextChecker& checker, Settings settings)
    : client_(client), workspace_(workspace), checker_(checker), settings_(settings),
      worker_([this] { run(); }) {}

AnalysisService::~AnalysisService() {
    stop();
}

void AnalysisService::open(const std::string& uri, std::int64_t version, std::string text) {
    const std::lock_guard<std::mutex> lock(mutex_);
    Document& document = documents_[uri];
    document.text = std::move(text);
    document.version = version;
    document.generation = nextGeneration_++;
    document.path = pathOfUri(uri);
    document.report.reset();
    if (running_ == uri)
        cancelRunning_ = true;
    makeDue(uri, Clock::now());
}

bool AnalysisService::change(const std::string& uri, std::int64_t version,
                             const std::vector<TextChange>& changes) {
    const std::lock_guard<std::mutex> lock(mutex_);
    const auto found = documents_.find(uri);
    if (found == documents_.end())
        return false;
    Document& document = found->second;
    for (const TextChange& change : changes)
        applyChange(document.text, change);
    document.version = version;
    document.generation = nextGeneration_++;
    document.report.reset();
    if (running_ == uri)
        cancelRunning_ = true;
    makeDue(uri, Clock::now() + settings_.debounce);
    return true;
}

void AnalysisService::save(const std::string& uri) {
    const std::lock_guard<std::mutex> lock(mutex_);
    due_.hurry(uri, Clock::now());
    wake_.notify_one();
}

void AnalysisService::close(const std::string& uri) {
    const std::lock_guard<std::mutex> lock(mutex_);
    if (documents_.erase(uri) == 0)
        return;
    due_.remove(uri);
    if (running_ == uri)
        cancelRunning_ = true;
    answerWaitingPulls(uri, nullptr);
    if (settings_.push)
        publish(uri, std::nullopt, Json::array());
}

void AnalysisService::reanalyseAll() {
    const std::lock_guard<std::mutex> lock(mutex_);
    const Clock::time_point now = Clock::now();
    for (auto& [uri, document] : documents_) {
        document.generation = nextGeneration_++;
        document.report.reset();
        due_.schedule(uri, now);
    }
    if (!running_.empty())
        cancelRunning_ = true;
    wake_.notify_one();
}

void AnalysisService::pull(const Json& id, const std::string& uri,
                           const std::optional<std::string>& previousResultId) {
    const std::lock_guard<std::mutex> lock(mutex_);
    const WaitingPull request{id, uri, previousResultId};
    const auto found = documents_.find(uri);
    if (found == documents_.end()) {
        client_.respond(id, {{"kind", "full"}, {"items", Json::array()}});
    } else if (found->second.report) {
        answerPull(request, *found->second.report);
    } else {
        waiting_.push_back(request);
    }
}

bool AnalysisService::cancel(const Json& id) {
    const std::lock_guard<std::mutex> lock(mutex_);
    const auto found = std::find_if(waiting_.begin(), waiting_.end(),
                                    [&](const WaitingPull& pull) { return pull.id == id; });
    if (found == waiting_.end())
        return false;
    client_.fail(id, errors::kRequestCancelled, "the request was cancelled");
    waiting_.erase(found);
    return true;
}

void AnalysisService::stop() {
    {
        const std::lock_guard<std::mutex> lock(mutex_);
        stopping_ = true;
        cancelRunning_ = true;
        for (const WaitingPull& pull : waiting_)
            client_.fail(pull.id, errors::kRequestCancelled, "the server is shutting down");
        waiting_.clear();
    }
    wake_.notify_all();
    if (worker_.joinable())
        worker_.join();
}

std::optional<AnalysisService::DocumentState>
AnalysisService::document(const std::string& uri) const {
    const std::lock_guard<std::mutex> lock(mutex_);
    const auto found = documents_.find(uri);
    if (found == documents_.end())
        return std::nullopt;
    return DocumentState{found->second.text, found->second.version};
}

void AnalysisService::run() {
    // A failed internal check is told in the log: standard output carries messages only.
    util::divertFailedChecksOfThisThread([this](std::string report) {
        client_.log(Client::MessageType::kError, "a failed internal check:\n" + report);
    });
    std::unique_lock<std::mutex> lock(mutex_);
    for (;;) {
        const std::optional<Job> job = nextJob(lock);
        if (!job)
            return;
        running_ = job->uri;
        cancelRunning_ = false;
        lock.unlock();
        std::optional<Json> items = analyse(*job);
        lock.lock();
        running_.clear();
        if (items)
            finish(*job, std::move(*items));
    }
}

std::optional<AnalysisService::Job> AnalysisService::nextJob(std::unique_lock<std::mutex>& lock) {
    for (;;) {
        if (stopping_)
            return std::nullopt;
        if (const std::optional<std::string> uri = due_.takeDue(Clock::now())) {
            const auto found = documents_.find(*uri);
            if (found == documents_.end())
                continue;
            const Document& document = found->second;
            return Job{*uri, document.text, document.version, document.generation, document.path};
        }
        if (const std::optional<Clock::time_point> soonest = due_.soonest())
            wake_.wait_until(lock, *soonest);
        else
            wake_.wait(lock);
    }
}

namespace {
/// Marks the defects that the baseline records, or drops them, as quarvel-scan matches them:
/// by file, rule and the text of the line, whatever moved around them.
void markKnown(AnalysisOutcome& outcome, const std::vector<scan::baseline::Entry>& recorded,
               const std::string& path, const std::string& text, bool drop) {
    std::vector<scan::baseline::FileDefect> defects;
    for (const Finding& finding : outcome.findings)
        defects.push_back({finding.rule, finding.line});
    scan::baseline::BaselineMatcher matcher(recorded);
    const std::vector<bool> known = matcher.match(scan::baseline::keyDefects(path, text, defects));
    std::vector<Finding> kept;
    for (std::size_t i = 0; i < outcome.findings.size(); ++i) {
        outcome.findings[i].known = known[i];
        if (!(drop && known[i]))
            kept.push_back(std::move(outcome.findings[i]));
    }
    outcome.findings = std::move(kept);
}
} // namespace

std::optional<Json> AnalysisService::analyse(const Job& job) {
    const Workspace::Place place =
        job.path ? workspace_.placeOf(*job.path)
                 : Workspace::Place{std::make_shared<DefaultConfig>(), job.uri, std::nullopt};
    const FileRules rules = place.config->rulesFor(place.relativePath);
    if (rules.excluded)
        return Json::array();
    const Clock::time_point start = Clock::now();
    const std::string subject = job.uri + " version " + std::to_string(job.version);
    client_.trace("analysing " + subject, std::to_string(job.text.size()) + " bytes");
    try {
        std::optional<AnalysisOutcome> outcome =
            checker_.analyse(job.text, rules.off, cancelRunning_);
        if (outcome && !rules.baseline.empty() &&
            settings_.knownDefects != KnownDefects::kShow)
            markKnown(*outcome, rules.baseline, place.relativePath, job.text,
                      settings_.knownDefects == KnownDefects::kHide);
        const auto milliseconds = [&] {
            return std::to_string(
                std::chrono::duration<double, std::milli>(Clock::now() - start).count());
        };
        if (!outcome) {
            client_.trace("analysis of " + subject + " stopped for a newer version",
                          "after " + milliseconds() + " ms");
            return std::nullopt;
        }
        Json items = diagnosticsFor(*outcome, job.text, [&](std::int32_t rule) {
            const auto level = rules.levels.find(rule);
            return level != rules.levels.end() ? level->second : defaultLevel(rule);
        });
        client_.trace("analysed " + subject + ": " + std::to_string(items.size()) + " diagnostics",
                      std::to_string(job.text.size()) + " bytes in " + milliseconds() + " ms");
        return items;
    } catch (const std::bad_alloc&) {
        client_.log(Client::MessageType::kError,
                    "memory ran out while analysing " + job.uri + "; it has no diagnostics");
        return std::nullopt;
    }
}

void AnalysisService::finish(const Job& job, Json items) {
    const auto found = documents_.find(job.uri);
    if (found == documents_.end() || found->second.generation != job.generation)
        return; // overtaken while it ran
    Document& document = found->second;
    if (settings_.push) {
        publish(job.uri, document.version, items);
        return;
    }
    // Kept for pull requests only: pushed results need no copy.
    document.report = Report{job.generation, std::to_string(nextResultId_++), std::move(items)};
    answerWaitingPulls(job.uri, &*document.report);
}

void AnalysisService::makeDue(const std::string& uri, Clock::time_point due) {
    due_.schedule(uri, due);
    wake_.notify_one();
}

void AnalysisService::answerPull(const WaitingPull& pull, const Report& report) {
    if (pull.previousResultId == report.resultId) {
        client_.respond(pull.id, {{"kind", "unchanged"}, {"resultId", report.resultId}});
        return;
    }
    client_.respond(pull.id,
                    {{"kind", "full"}, {"resultId", report.resultId}, {"items", report.items}});
}

void AnalysisService::answerWaitingPulls(const std::string& uri, const Report* report) {
    const auto waiting = std::stable_partition(
        waiting_.begin(), waiting_.end(), [&](const WaitingPull& pull) { return pull.uri != uri; });
    for (auto pull = waiting; pull != waiting_.end(); ++pull) {
        if (report)
            answerPull(*pull, *report);
        else
            client_.respond(pull->id, {{"kind", "full"}, {"items", Json::array()}});
    }
    waiting_.erase(waiting, waiting_.end());
}

void AnalysisService::publish(const std::string& uri, const std::optional<std::int64_t>& version,
                              const Json& items) {
    Json params = {{"uri", uri}, {"diagnostics", items}};
    if (version)
        params["version"] = *version;
    client_.notify("textDocument/publishDiagnostics", std::move(params));
}

} // namespace lsp
