#pragma once

#include <atomic>
#include <condition_variable>
#include <cstddef>
#include <cstdint>
#include <exception>
#include <mutex>
#include <string>
#include <vector>

namespace app {

/// What the workers of a parallel run have found for each file of the list, held until the
/// printing side writes it, file after file, exactly as the one-thread run would have
/// printed it: each file's defect lines in their batches, the reports of failed internal
/// checks where they happened, and how its analysis ended.
///
/// Memory stays bounded, however long the list and however slowly the output is read: only
/// the files of a window after the one being printed are in flight, each in a slot of its
/// own, and a worker whose file holds a set amount of text not yet written waits, the file
/// being printed included, until the printing side has written some of it.
///
/// Once a file has failed, nothing after it will be printed: no file after it is taken, and
/// the analysis of those already taken is told to stop.
///
/// Waking a thread costs more than analysing a small file, so the printing side is woken
/// only when it has a run of finished files to print, when a worker waits for it, when the
/// list is all taken, or when the file being printed holds much text; and workers only when
/// one of them waits.
class OrderedOutput {
  public:
    struct Piece {
        enum Kind { kLines, kFailedCheck } kind;
        std::string text;
    };

    /// Thrown to a worker that waits while the run stops.
    struct Stopped {};

    OrderedOutput(std::size_t fileCount, std::size_t window, std::size_t heldBytes);

    // The workers' side.

    /// The next file to analyse, or fileCount() when there is none (or the run stops, or a
    /// file has failed); waits while the file would lie beyond the window.
    std::size_t takeFile();
    /// Adds a piece of a file's output; waits while the file holds too much text not yet
    /// written. Throws Stopped when the run stops meanwhile or the file's output will never
    /// be printed.
    void add(std::size_t file, Piece piece);
    /// Adds the report of a failed internal check to a file's output: never waits and never
    /// throws, since checks fail in places that cannot take an exception; dropped when the run
    /// stops.
    void addFailedCheck(std::size_t file, std::string report);
    /// The file's analysis ended: with its defect count, or with a failure, which the
    /// printing side raises again when it reaches the file.
    void finish(std::size_t file, std::uint32_t defects, std::exception_ptr failure);
    /// Whether the file's output will never be printed: the run stops, or an earlier file
    /// failed. Its analysis may end at once.
    bool abandoned(std::size_t file) const;

    // The printing side.

    /// Moves the file's waiting pieces into `pieces` (which it empties first); waits until
    /// there is one or the file has finished. Returns false once the file has finished and
    /// every piece is taken. The pieces count as held until written() is called.
    bool takePieces(std::size_t file, std::vector<Piece>& pieces);
    /// The pieces last taken are written: their text is no longer held.
    void written(std::size_t file);
    /// The file's defect count, or its failure raised again.
    std::uint32_t outcome(std::size_t file);
    /// The file is printed: the window moves on.
    void printed(std::size_t file);
    /// No more files are taken, and waiting workers are let go.
    void stop();

    std::size_t fileCount() const { return fileCount_; }
    /// The most text that one file held at any time, in bytes.
    std::size_t mostHeld() const;

  private:
    struct File {
        std::vector<Piece> pieces;
        std::size_t bytes = 0; ///< waiting or being written
        std::size_t taken = 0; ///< of which being written
        bool finished = false;
        std::uint32_t defects = 0;
        std::exception_ptr failure;
    };

    File& slot(std::size_t file) { return slots_[file % slots_.size()]; }
    const File& slot(std::size_t file) const { return slots_[file % slots_.size()]; }
    void hold(File& report, std::size_t bytes);
    bool isAbandoned(std::size_t file) const {
        return stopped_.load(std::memory_order_relaxed) ||
               file > firstFailure_.load(std::memory_order_relaxed);
    }
    /// Whether the printing side, waiting for the file being printed, should be woken now.
    bool printerShouldWake() const;
    /// Waits on workersWake_ until `ready` holds, waking the printing side first if it
    /// should be (it may be the one to make room).
    template <class Ready> void waitAsWorker(std::unique_lock<std::mutex>& lock, Ready ready);
    void wakeWaitingWorkers();

    mutable std::mutex mutex_;
    std::condition_variable printerWakes_;
    std::condition_variable workersWake_;
    std::size_t waitingWorkers_ = 0;
    std::size_t fileCount_;
    std::vector<File> slots_; ///< one per file of the window, file i in slot i % window
    std::size_t heldBytes_;
    std::size_t mostHeld_ = 0;
    std::size_t nextToTake_ = 0;
    std::size_t printing_ = 0; // every file before it is printed
    // Written under the mutex; read without it by abandoned(), which workers ask often.
    std::atomic<std::size_t> firstFailure_; // fileCount_ while no file has failed
    std::atomic<bool> stopped_{false};
};

} // namespace app
