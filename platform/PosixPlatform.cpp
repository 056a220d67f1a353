#include "platform/CgroupQuota.h"
#include "platform/Platform.h"

#include <atomic>
#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <sstream>
#ifdef __GLIBC__
#include <malloc.h>
#endif
#include <climits>
#include <fcntl.h>
#include <pthread.h>
#include <sched.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/time.h>
#include <thread>
#include <unistd.h>
#include <vector>

namespace platform {

int lastErrorCode() {
    return errno;
}

void setLastErrorCode(int errorCode) {
    errno = errorCode;
}

void setIsDirectoryError() {
    errno = EISDIR;
}

void setInvalidNameError() {
    errno = EINVAL;
}

void setNotARegularFileError() {
    errno = kNotARegularFile;
}

std::optional<std::string> systemErrorText(int errorCode) {
    if (errorCode == kNotARegularFile)
        return std::string("Not a regular file.");
#if defined(__GLIBC__) && (__GLIBC__ > 2 || (__GLIBC__ == 2 && __GLIBC_MINOR__ >= 32))
    if (!strerrorname_np(errorCode))
        return std::nullopt; // glibc would answer "Unknown error N"
#endif
    const char* text = std::strerror(errorCode);
    if (!text)
        return std::nullopt;
    return std::string(text);
}

namespace {
/// SIGHUP, SIGINT, SIGQUIT and SIGTERM end the process with 128 plus their number.
constexpr int kEndingSignals[] = {SIGHUP, SIGINT, SIGQUIT, SIGTERM};
/// How long the line under way may take to be written after such a signal.
constexpr long kGraceMicroseconds = 250 * 1000;

std::atomic<int> outputUnderWay{0};
std::atomic<int> pendingSignal{0};
/// Whether everything written so far ends with a line feed; only the writing thread sets it.
std::atomic<bool> atLineStart{true};
static_assert(std::atomic<int>::is_always_lock_free, "used from a signal handler");
static_assert(std::atomic<bool>::is_always_lock_free, "used from a signal handler");

[[noreturn]] void endWith(int signalNumber) {
    _exit(128 + signalNumber);
}

void onGraceOver(int) {
    endWith(pendingSignal.load());
}

void onEndingSignal(int signalNumber) {
    // A second signal, or one that comes while nothing is being written, ends at once.
    if (outputUnderWay.load() == 0 || pendingSignal.load() != 0)
        endWith(signalNumber);
    pendingSignal.store(signalNumber);
    // The writing thread finishes its line and ends the process; a reader that stalls gets
    // the grace period and no more.
    itimerval grace{};
    grace.it_value.tv_usec = kGraceMicroseconds;
    setitimer(ITIMER_REAL, &grace, nullptr);
    // The output may have ended in between, without seeing the signal.
    if (outputUnderWay.load() == 0)
        endWith(signalNumber);
}

sigset_t endingSignals() {
    sigset_t set;
    sigemptyset(&set);
    for (const int signalNumber : kEndingSignals)
        sigaddset(&set, signalNumber);
    sigaddset(&set, SIGALRM);
    return set;
}
} // namespace

namespace {
/// Whether standard output is a pipe, whose reader may stop reading: there, writes of whole
/// lines of at most PIPE_BUF bytes go in whole or not at all, so an interrupted write never
/// leaves a line cut in the pipe.
bool outputIsPipe() {
    static const bool isPipe = [] {
        struct stat status {};
        return fstat(STDOUT_FILENO, &status) == 0 && S_ISFIFO(status.st_mode);
    }();
    return isPipe;
}

/// How much of the text to write at once: everything, or on a pipe whole lines up to
/// PIPE_BUF bytes (a longer line whole); once the process is to end, no more than the line
/// under way.
std::size_t nextWrite(const char* data, std::size_t size, bool ending) {
    if (ending) {
        const void* lineEnd = std::memchr(data, '\n', size);
        return lineEnd ? static_cast<std::size_t>(static_cast<const char*>(lineEnd) - data) + 1
                       : size;
    }
    if (!outputIsPipe() || size <= PIPE_BUF)
        return size;
    for (std::size_t end = PIPE_BUF; end > 0; --end) {
        if (data[end - 1] == '\n')
            return end;
    }
    return nextWrite(data, size, true);
}
} // namespace

int writeStandardOutput(const char* data, std::size_t size) {
    while (size > 0) {
        const int signalNumber = pendingSignal.load();
        // Ending: the line under way is finished, nothing after it is begun.
        if (signalNumber != 0 && atLineStart.load())
            endWith(signalNumber);
        const std::size_t chunk = nextWrite(data, size, signalNumber != 0);
        // The ending signals interrupt a write that waits for a reader (no SA_RESTART).
        const ssize_t written = write(STDOUT_FILENO, data, chunk);
        if (written < 0) {
            if (errno == EINTR)
                continue;
            return errno;
        }
        if (written > 0)
            atLineStart.store(data[written - 1] == '\n');
        data += written;
        size -= static_cast<std::size_t>(written);
    }
    return 0;
}

void useBinaryStandardStreams() {}

std::ptrdiff_t readStandardInput(char* buffer, std::size_t size) {
    for (;;) {
        const ssize_t got = read(STDIN_FILENO, buffer, size);
        if (got >= 0 || errno != EINTR)
            return got;
    }
}

void ignoreBrokenPipeSignal() {
    std::signal(SIGPIPE, SIG_IGN);
}

std::string runtimeErrorText(int errorNumber) {
    return std::strerror(errorNumber);
}

bool isBrokenPipe(int errorNumber) {
    return errorNumber == EPIPE;
}

int brokenPipeExitStatus() {
    return 128 + SIGPIPE;
}

void installInterruptHandling() {
    struct sigaction action {};
    action.sa_handler = onEndingSignal;
    action.sa_mask = endingSignals(); // one handler at a time
    action.sa_flags = 0;
    for (const int signalNumber : kEndingSignals) {
        // A signal that the parent ignores stays ignored, as for a job that a shell started
        // in the background.
        struct sigaction previous {};
        if (sigaction(signalNumber, nullptr, &previous) == 0 && previous.sa_handler == SIG_IGN)
            continue;
        sigaction(signalNumber, &action, nullptr);
    }
    struct sigaction grace {};
    grace.sa_handler = onGraceOver;
    grace.sa_mask = endingSignals();
    sigaction(SIGALRM, &grace, nullptr);
}

void beginOutput() {
    outputUnderWay.store(1);
}

void endOutput() {
    outputUnderWay.store(0);
    if (const int signalNumber = pendingSignal.load())
        endWith(signalNumber);
}

std::thread startThreadWithoutInterrupts(std::function<void()> run) {
    // The new thread takes the signal mask of the thread that makes it.
    const sigset_t blocked = endingSignals();
    sigset_t previous;
    pthread_sigmask(SIG_BLOCK, &blocked, &previous);
    try {
        std::thread thread(std::move(run));
        pthread_sigmask(SIG_SETMASK, &previous, nullptr);
        return thread;
    } catch (...) {
        pthread_sigmask(SIG_SETMASK, &previous, nullptr);
        throw;
    }
}

namespace {
std::optional<std::string> readText(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return std::nullopt;
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}
} // namespace

void limitHeapsUnderAddressSpaceLimit() {
#ifdef __GLIBC__
    // The C library gives each thread a heap of its own, each reserving 64 MB of address
    // space; under a limit on address space the reservations fail and every allocation of a
    // thread tries again, many times slower. One heap for all threads costs little.
    rlimit limit{};
    if (getrlimit(RLIMIT_AS, &limit) == 0 && limit.rlim_cur != RLIM_INFINITY)
        mallopt(M_ARENA_MAX, 1);
#endif
}

unsigned availableProcessors() {
    unsigned processors = 0;
#ifdef __linux__
    cpu_set_t set;
    if (sched_getaffinity(0, sizeof set, &set) == 0)
        processors = static_cast<unsigned>(CPU_COUNT(&set));
#endif
    if (processors == 0)
        processors = std::thread::hardware_concurrency();
    if (const unsigned quota = cgroupQuotaProcessors(readText); quota != 0 && quota < processors)
        processors = quota;
    return processors == 0 ? 1 : processors;
}

unsigned openableFiles(unsigned wanted) {
    std::vector<int> opened;
    while (opened.size() < wanted) {
        const int descriptor = open("/dev/null", O_RDONLY | O_CLOEXEC);
        if (descriptor < 0)
            break;
        opened.push_back(descriptor);
    }
    for (const int descriptor : opened)
        close(descriptor);
    return static_cast<unsigned>(opened.size());
}

std::optional<std::string> currentDirectoryWithSeparator() {
    std::vector<char> buffer(256);
    for (;;) {
        if (getcwd(buffer.data(), buffer.size()))
            return std::string(buffer.data()) + "/";
        if (errno != ERANGE)
            return std::nullopt;
        buffer.resize(buffer.size() * 2);
    }
}

} // namespace platform
