#include "app/FileReports.h"

namespace app {
namespace {
/// Finished files in a row, from the one being printed, that are worth waking the printing
/// side for (fewer than the window holds, so that workers never wait for them).
constexpr std::size_t kFinishedRun = 8;
} // namespace

FileReports::FileReports(std::size_t fileCount, std::size_t window, std::size_t heldBytes)
    : files_(fileCount), window_(window), heldBytes_(heldBytes) {}

bool FileReports::printerShouldWake() const {
    if (printing_ >= files_.size())
        return false;
    const File& head = files_[printing_];
    if (!head.finished)
        return head.bytes >= heldBytes_; // a long file's output is written as it comes
    if (stopped_ || waitingWorkers_ > 0 || nextToTake_ >= files_.size())
        return true;
    std::size_t run = 0;
    for (std::size_t file = printing_; file < files_.size() && files_[file].finished; ++file) {
        if (++run >= kFinishedRun || run >= window_)
            return true;
    }
    return false;
}

template <class Ready>
void FileReports::waitAsWorker(std::unique_lock<std::mutex>& lock, Ready ready) {
    if (ready())
        return;
    ++waitingWorkers_;
    if (printerShouldWake())
        printerWakes_.notify_one();
    workersWake_.wait(lock, ready);
    --waitingWorkers_;
}

void FileReports::wakeWaitingWorkers() {
    if (waitingWorkers_ > 0)
        workersWake_.notify_all();
}

std::size_t FileReports::takeFile() {
    std::unique_lock<std::mutex> lock(mutex_);
    waitAsWorker(lock, [&] {
        return stopped_ || nextToTake_ >= files_.size() || nextToTake_ < printing_ + window_;
    });
    if (stopped_ || nextToTake_ >= files_.size())
        return files_.size();
    return nextToTake_++;
}

void FileReports::add(std::size_t file, Piece piece) {
    std::unique_lock<std::mutex> lock(mutex_);
    waitAsWorker(lock,
                 [&] { return stopped_ || file == printing_ || files_[file].bytes < heldBytes_; });
    if (stopped_)
        throw Stopped();
    files_[file].bytes += piece.text.size();
    files_[file].pieces.push_back(std::move(piece));
    if (file == printing_ && printerShouldWake())
        printerWakes_.notify_one();
}

void FileReports::addReport(std::size_t file, std::string report) {
    const std::lock_guard<std::mutex> lock(mutex_);
    if (stopped_)
        return;
    files_[file].bytes += report.size();
    files_[file].pieces.push_back({Piece::kFailedCheck, std::move(report)});
    if (file == printing_ && printerShouldWake())
        printerWakes_.notify_one();
}

void FileReports::finish(std::size_t file, std::uint32_t defects, std::exception_ptr failure) {
    const std::lock_guard<std::mutex> lock(mutex_);
    File& finished = files_[file];
    finished.finished = true;
    finished.defects = defects;
    finished.failure = std::move(failure);
    if (printerShouldWake())
        printerWakes_.notify_one();
}

bool FileReports::takePieces(std::size_t file, std::vector<Piece>& pieces) {
    pieces.clear();
    std::unique_lock<std::mutex> lock(mutex_);
    File& report = files_[file];
    printerWakes_.wait(lock, [&] { return !report.pieces.empty() || report.finished; });
    if (report.pieces.empty())
        return false;
    for (Piece& piece : report.pieces)
        pieces.push_back(std::move(piece));
    report.pieces.clear();
    report.bytes = 0;
    wakeWaitingWorkers(); // one may wait for room
    return true;
}

std::uint32_t FileReports::outcome(std::size_t file) {
    std::exception_ptr failure;
    std::uint32_t defects = 0;
    {
        const std::lock_guard<std::mutex> lock(mutex_);
        failure = files_[file].failure;
        defects = files_[file].defects;
    }
    if (failure)
        std::rethrow_exception(failure);
    return defects;
}

void FileReports::printed(std::size_t file) {
    const std::lock_guard<std::mutex> lock(mutex_);
    printing_ = file + 1;
    files_[file] = File();
    wakeWaitingWorkers();
}

void FileReports::stop() {
    const std::lock_guard<std::mutex> lock(mutex_);
    stopped_ = true;
    printerWakes_.notify_all();
    workersWake_.notify_all();
}

} // namespace app
