#include "platform/Platform.h"

#include <atomic>
#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <sched.h>
#include <signal.h>
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

int writeStandardOutput(const char* data, std::size_t size) {
    while (size > 0) {
        const ssize_t written = write(STDOUT_FILENO, data, size);
        if (written < 0) {
            if (errno == EINTR)
                continue;
            return errno;
        }
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

namespace {
std::atomic<int> outputUnderWay{0};
std::atomic<int> pendingSignal{0};
static_assert(std::atomic<int>::is_always_lock_free, "used from a signal handler");

void onInterrupt(int signalNumber) {
    if (outputUnderWay.load() != 0) {
        pendingSignal.store(signalNumber);
        // Another thread may have finished its output in between, without seeing the signal.
        if (outputUnderWay.load() != 0)
            return;
    }
    _exit(128 + signalNumber);
}
} // namespace

void installInterruptHandling() {
    struct sigaction action {};
    action.sa_handler = onInterrupt;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (const int signalNumber : {SIGINT, SIGTERM}) {
        // A signal that the parent ignores stays ignored, as for a job that a shell started
        // in the background.
        struct sigaction previous {};
        if (sigaction(signalNumber, nullptr, &previous) == 0 && previous.sa_handler == SIG_IGN)
            continue;
        sigaction(signalNumber, &action, nullptr);
    }
}

void beginOutput() {
    outputUnderWay.store(1);
}

void endOutput() {
    outputUnderWay.store(0);
    if (const int signalNumber = pendingSignal.load())
        _exit(128 + signalNumber);
}

namespace {
/// The processors a cgroup's quota allows ("max" or "QUOTA PERIOD" in cpu.max), rounded up,
/// or 0 when there is no quota.
unsigned quotaProcessors() {
    std::ifstream limits("/sys/fs/cgroup/cpu.max");
    std::string quota;
    long long period = 0;
    if (!(limits >> quota >> period) || quota == "max" || period <= 0)
        return 0;
    const long long allowed = std::atoll(quota.c_str());
    return allowed <= 0 ? 0 : static_cast<unsigned>((allowed + period - 1) / period);
}
} // namespace

unsigned availableProcessors() {
    unsigned processors = 0;
#ifdef __linux__
    cpu_set_t set;
    if (sched_getaffinity(0, sizeof set, &set) == 0)
        processors = static_cast<unsigned>(CPU_COUNT(&set));
#endif
    if (processors == 0)
        processors = std::thread::hardware_concurrency();
    if (const unsigned quota = quotaProcessors(); quota != 0 && quota < processors)
        processors = quota;
    return processors == 0 ? 1 : processors;
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
