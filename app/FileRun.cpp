#include "app/FileRun.h"

#include "app/OrderedOutput.h"
#include "platform/Platform.h"
#include "util/AssertionReporter.h"

#include <algorithm>
#include <system_error>

namespace app {
namespace {

/// How many files beyond the one being printed each worker may be ahead (a long file at the
/// head must not stall the others: fewer than about thirty made the JDK's run slower), and
/// how much text of a file may wait to be written before its worker waits.
constexpr std::size_t kFilesAheadPerWorker = 32;
constexpr std::size_t kHeldBytesPerFile = 256 * 1024;

std::string activityOf(const std::string& name) {
    return "analysing the file.\nFilename: '" + name + "'";
}

/// A worker's result channel: the batches of defect lines go to the file's report.
class HeldChannel : public OutputChannel {
  public:
    HeldChannel(OrderedOutput& reports, std::size_t file) : reports_(reports), file_(file) {}
    void print(const std::string& text) override {
        reports_.add(file_, {OrderedOutput::Piece::kLines, text});
    }

  private:
    OrderedOutput& reports_;
    std::size_t file_;
};

/// A file's analysis is not wanted once its output can never be printed.
class AbandonedFile : public StopRequest {
  public:
    AbandonedFile(const OrderedOutput& reports, std::size_t file) : reports_(reports), file_(file) {}
    bool requested() const override { return reports_.abandoned(file_); }

  private:
    const OrderedOutput& reports_;
    std::size_t file_;
};

void work(OrderedOutput& reports, const std::vector<std::string>& files,
          const FileWork& analysis) {
    for (std::size_t file = reports.takeFile(); file < files.size(); file = reports.takeFile()) {
        util::divertFailedChecksOfThisThread(
            [&reports, file](std::string report) { reports.addFailedCheck(file, std::move(report)); });
        HeldChannel channel(reports, file);
        const AbandonedFile abandoned(reports, file);
        try {
            const std::uint32_t defects = analysis.analyse(files[file], channel, &abandoned);
            reports.finish(file, defects, nullptr);
        } catch (const OrderedOutput::Stopped&) {
            break;
        } catch (const AnalysisStopped&) {
            break;
        } catch (...) {
            // Raised again by the printing side when it reaches this file.
            reports.finish(file, 0, std::current_exception());
        }
    }
    util::divertFailedChecksOfThisThread(nullptr);
}

/// The workers of one run, as many as the system would make of those asked for: stopped and
/// joined however the printing side ends.
class Workers {
  public:
    Workers(unsigned count, const ThreadStarter& startThread, OrderedOutput& reports,
            const std::vector<std::string>& files, const FileWork& analysis)
        : reports_(reports) {
        try {
            for (unsigned i = 0; i < count; ++i)
                threads_.push_back(
                    startThread([&reports, &files, &analysis] { work(reports, files, analysis); }));
        } catch (const std::system_error&) {
            // Fewer threads than hoped (a limit on processes or threads): those made will do.
        } catch (...) {
            stopAndJoin();
            throw;
        }
    }
    ~Workers() { stopAndJoin(); }
    Workers(const Workers&) = delete;
    Workers& operator=(const Workers&) = delete;

    std::size_t count() const { return threads_.size(); }

  private:
    void stopAndJoin() {
        reports_.stop();
        for (std::thread& thread : threads_)
            thread.join();
        threads_.clear();
    }

    OrderedOutput& reports_;
    std::vector<std::thread> threads_;
};

std::uint32_t analyseOneByOne(const std::vector<std::string>& files, const FileWork& analysis,
                              OutputChannel& result, std::string& activity) {
    std::uint32_t defects = 0;
    for (const std::string& name : files) {
        activity = activityOf(name);
        defects += analysis.analyse(name, result);
    }
    return defects;
}

std::uint32_t printInOrder(OrderedOutput& reports, const std::vector<std::string>& files,
                           OutputChannel& result, std::string& activity) {
    std::uint32_t defects = 0;
    std::vector<OrderedOutput::Piece> pieces;
    for (std::size_t file = 0; file < files.size(); ++file) {
        activity = activityOf(files[file]);
        while (reports.takePieces(file, pieces)) {
            for (const OrderedOutput::Piece& piece : pieces) {
                if (piece.kind == OrderedOutput::Piece::kLines)
                    result.print(piece.text);
                else
                    util::publishFailedCheck(piece.text);
            }
            reports.written(file);
        }
        defects += reports.outcome(file);
        reports.printed(file);
    }
    return defects;
}

} // namespace

std::thread startWorkerThread(std::function<void()> work) {
    return platform::startThreadWithoutInterrupts(std::move(work));
}

unsigned workerCount(std::size_t fileCount) {
    if constexpr (RunProfile::kEnabled)
        return 1;
    const unsigned processors = platform::availableProcessors();
    const unsigned wanted = static_cast<unsigned>(
        std::min<std::size_t>(processors, std::max<std::size_t>(1, fileCount)));
    // Each worker holds one file open at a time: a low limit on open files allows fewer.
    return std::max(1u, std::min(wanted, platform::openableFiles(wanted)));
}

std::uint32_t analyseFiles(const std::vector<std::string>& files, const FileWork& analysis,
                           OutputChannel& result, std::string& activity, unsigned workers,
                           const ThreadStarter& startThread) {
    if (workers <= 1)
        return analyseOneByOne(files, analysis, result, activity);
    OrderedOutput reports(files.size(), kFilesAheadPerWorker * workers, kHeldBytesPerFile);
    const Workers running(workers, startThread, reports, files, analysis);
    if (running.count() == 0)
        return analyseOneByOne(files, analysis, result, activity);
    return printInOrder(reports, files, result, activity);
}

} // namespace app
