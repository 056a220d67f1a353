#include "app/FileReports.h"

namespace app {

FileReports::FileReports(std::size_t fileCount, std::size_t window, std::size_t heldBytes)
    : files_(fileCount), window_(window), heldBytes_(heldBytes) {}

std::size_t FileReports::takeFile() {
    std::unique_lock<std::mutex> lock(mutex_);
    changed_.wait(lock, [&] {
        return stopped_ || nextToTake_ >= files_.size() || nextToTake_ < printing_ + window_;
    });
    if (stopped_ || nextToTake_ >= files_.size())
        return files_.size();
    return nextToTake_++;
}

void FileReports::add(std::size_t file, Piece piece) {
    std::unique_lock<std::mutex> lock(mutex_);
    changed_.wait(lock,
                  [&] { return stopped_ || file == printing_ || files_[file].bytes < heldBytes_; });
    if (stopped_)
        throw Stopped();
    files_[file].bytes += piece.text.size();
    files_[file].pieces.push_back(std::move(piece));
    if (file == printing_)
        changed_.notify_all();
}

void FileReports::addReport(std::size_t file, std::string report) {
    {
        const std::lock_guard<std::mutex> lock(mutex_);
        if (stopped_)
            return;
        files_[file].bytes += report.size();
        files_[file].pieces.push_back({Piece::kFailedCheck, std::move(report)});
    }
    changed_.notify_all();
}

void FileReports::finish(std::size_t file, std::uint32_t defects, std::exception_ptr failure) {
    {
        const std::lock_guard<std::mutex> lock(mutex_);
        File& finished = files_[file];
        finished.finished = true;
        finished.defects = defects;
        finished.failure = std::move(failure);
    }
    changed_.notify_all();
}

bool FileReports::takePieces(std::size_t file, std::vector<Piece>& pieces) {
    pieces.clear();
    std::unique_lock<std::mutex> lock(mutex_);
    File& report = files_[file];
    changed_.wait(lock, [&] { return !report.pieces.empty() || report.finished; });
    if (report.pieces.empty())
        return false;
    for (Piece& piece : report.pieces)
        pieces.push_back(std::move(piece));
    report.pieces.clear();
    report.bytes = 0;
    lock.unlock();
    changed_.notify_all(); // a worker may wait for room
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
    {
        const std::lock_guard<std::mutex> lock(mutex_);
        printing_ = file + 1;
        files_[file] = File();
    }
    changed_.notify_all();
}

void FileReports::stop() {
    {
        const std::lock_guard<std::mutex> lock(mutex_);
        stopped_ = true;
    }
    changed_.notify_all();
}

} // namespace app
