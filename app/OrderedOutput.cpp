#include "app/OrderedOutput.h"

#include <algorithm>

namespace app {
namespace {
/// Finished files in a row, from the one being printed, that are worth waking the printing
/// side for (fewer than the window holds, so that workers never wait for them).
constexpr std::size_t kFinishedRun = 8;
} // namespace

OrderedOutput::OrderedOutput(std::size_t fileCount, std::size_t window, std::size_t heldBytes)
    : fileCount_(fileCount), slots_(std::max<std::size_t>(1, std::min(window, fileCount))),
      heldBytes_(heldBytes), firstFailure_(fileCount) {}

void OrderedOutput::hold(File& report, std::size_t bytes) {
    report.bytes += bytes;
    mostHeld_ = std::max(mostHeld_, report.bytes);
}

bool OrderedOutput::printerShouldWake() const {
    if (printing_ >= fileCount_)
        return false;
    const File& head = slot(printing_);
    if (!head.finished)
        return head.bytes >= heldBytes_; // a long file's output is written as it comes
    if (stopped_ || waitingWorkers_ > 0 || nextToTake_ >= fileCount_ || nextToTake_ > firstFailure_)
        return true;
    std::size_t run = 0;
    for (std::size_t file = printing_; file < fileCount_ && slot(file).finished; ++file) {
        if (++run >= kFinishedRun || run >= slots_.size())
            return true;
    }
    return false;
}

template <class Ready>
void OrderedOutput::waitAsWorker(std::unique_lock<std::mutex>& lock, Ready ready) {
    if (ready())
        return;
    ++waitingWorkers_;
    if (printerShouldWake())
        printerWakes_.notify_one();
    workersWake_.wait(lock, ready);
    --waitingWorkers_;
}

void OrderedOutput::wakeWaitingWorkers() {
    if (waitingWorkers_ > 0)
        workersWake_.notify_all();
}

std::size_t OrderedOutput::takeFile() {
    std::unique_lock<std::mutex> lock(mutex_);
    waitAsWorker(lock, [&] {
        return stopped_ || nextToTake_ >= fileCount_ || nextToTake_ > firstFailure_ ||
               nextToTake_ < printing_ + slots_.size();
    });
    if (stopped_ || nextToTake_ >= fileCount_ || nextToTake_ > firstFailure_)
        return fileCount_;
    return nextToTake_++;
}

void OrderedOutput::add(std::size_t file, Piece piece) {
    std::unique_lock<std::mutex> lock(mutex_);
    File& report = slot(file);
    waitAsWorker(lock, [&] { return isAbandoned(file) || report.bytes < heldBytes_; });
    if (isAbandoned(file))
        throw Stopped();
    hold(report, piece.text.size());
    report.pieces.push_back(std::move(piece));
    if (file == printing_ && printerShouldWake())
        printerWakes_.notify_one();
}

void OrderedOutput::addFailedCheck(std::size_t file, std::string report) {
    const std::lock_guard<std::mutex> lock(mutex_);
    if (isAbandoned(file))
        return;
    File& held = slot(file);
    hold(held, report.size());
    held.pieces.push_back({Piece::kFailedCheck, std::move(report)});
    if (file == printing_ && printerShouldWake())
        printerWakes_.notify_one();
}

void OrderedOutput::finish(std::size_t file, std::uint32_t defects, std::exception_ptr failure) {
    const std::lock_guard<std::mutex> lock(mutex_);
    File& finished = slot(file);
    finished.finished = true;
    finished.defects = defects;
    if (failure && file < firstFailure_) {
        firstFailure_ = file;
        wakeWaitingWorkers(); // those of later files stop
    }
    finished.failure = std::move(failure);
    if (printerShouldWake())
        printerWakes_.notify_one();
}

bool OrderedOutput::abandoned(std::size_t file) const {
    return isAbandoned(file);
}

bool OrderedOutput::takePieces(std::size_t file, std::vector<Piece>& pieces) {
    pieces.clear();
    std::unique_lock<std::mutex> lock(mutex_);
    File& report = slot(file);
    printerWakes_.wait(lock, [&] { return !report.pieces.empty() || report.finished; });
    if (report.pieces.empty())
        return false;
    for (Piece& piece : report.pieces) {
        report.taken += piece.text.size();
        pieces.push_back(std::move(piece));
    }
    report.pieces.clear();
    return true;
}

void OrderedOutput::written(std::size_t file) {
    const std::lock_guard<std::mutex> lock(mutex_);
    File& report = slot(file);
    report.bytes -= report.taken;
    report.taken = 0;
    wakeWaitingWorkers(); // one may wait for room
}

std::uint32_t OrderedOutput::outcome(std::size_t file) {
    std::exception_ptr failure;
    std::uint32_t defects = 0;
    {
        const std::lock_guard<std::mutex> lock(mutex_);
        failure = slot(file).failure;
        defects = slot(file).defects;
    }
    if (failure)
        std::rethrow_exception(failure);
    return defects;
}

void OrderedOutput::printed(std::size_t file) {
    const std::lock_guard<std::mutex> lock(mutex_);
    printing_ = file + 1;
    slot(file) = File();
    wakeWaitingWorkers();
}

void OrderedOutput::stop() {
    const std::lock_guard<std::mutex> lock(mutex_);
    stopped_ = true;
    printerWakes_.notify_all();
    workersWake_.notify_all();
}

std::size_t OrderedOutput::mostHeld() const {
    const std::lock_guard<std::mutex> lock(mutex_);
    return mostHeld_;
}

} // namespace app
