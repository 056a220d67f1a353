#include "platform/GrowingBuffer.h"
#include "platform/Platform.h"

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <io.h>
#include <windows.h>

namespace platform {

int lastErrorCode() {
    return static_cast<int>(GetLastError());
}

void setLastErrorCode(int errorCode) {
    SetLastError(static_cast<DWORD>(errorCode));
}

void setIsDirectoryError() {
    SetLastError(ERROR_DIRECTORY);
}

void setInvalidNameError() {
    SetLastError(ERROR_INVALID_NAME);
}

void setNotARegularFileError() {
    SetLastError(static_cast<DWORD>(kNotARegularFile));
}

std::optional<std::string> systemErrorText(int errorCode) {
    if (errorCode == kNotARegularFile)
        return std::string("Not a regular file.");
    LPSTR buffer = nullptr;
    const DWORD length = FormatMessageA(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
        nullptr, static_cast<DWORD>(errorCode), MAKELANGID(LANG_NEUTRAL, SUBLANG_DEFAULT),
        reinterpret_cast<LPSTR>(&buffer), 0, nullptr);
    if (length == 0 || !buffer)
        return std::nullopt;
    std::string text(buffer, length); // as returned, with its line end
    LocalFree(buffer);
    return text;
}

namespace {
constexpr int kInterruptStatus = 130; // as after SIGINT elsewhere
/// How long the line under way may take to be written after an interrupt.
constexpr DWORD kGraceMilliseconds = 250;
std::atomic<int> outputUnderWay{0};
std::atomic<int> interrupted{0};
/// Whether everything written so far ends with a line feed; only the writing thread sets it.
std::atomic<bool> atLineStart{true};
} // namespace

int writeStandardOutput(const char* data, std::size_t size) {
    // _write in text mode turns each line feed into carriage return and line feed, as the
    // console expects.
    while (size > 0) {
        std::size_t limit = std::min<std::size_t>(size, 1 << 30);
        if (interrupted.load() != 0) {
            // Ending: the line under way is finished, nothing after it is begun.
            if (atLineStart.load())
                ExitProcess(kInterruptStatus);
            if (const void* lineEnd = std::memchr(data, '\n', limit))
                limit = static_cast<std::size_t>(static_cast<const char*>(lineEnd) - data) + 1;
        }
        const int written = _write(1, data, static_cast<unsigned>(limit));
        if (written < 0)
            return errno;
        if (written > 0)
            atLineStart.store(data[written - 1] == '\n');
        data += written;
        size -= static_cast<std::size_t>(written);
    }
    return 0;
}

void useBinaryStandardStreams() {
    _setmode(0, _O_BINARY);
    _setmode(1, _O_BINARY);
}

std::ptrdiff_t readStandardInput(char* buffer, std::size_t size) {
    const unsigned chunk = static_cast<unsigned>(std::min<std::size_t>(size, 1 << 30));
    return _read(0, buffer, chunk);
}

void ignoreBrokenPipeSignal() {}

std::string runtimeErrorText(int errorNumber) {
    return std::strerror(errorNumber);
}

bool isBrokenPipe(int errorNumber) {
    return errorNumber == EPIPE;
}

int brokenPipeExitStatus() {
    return 1;
}

namespace {
BOOL WINAPI onConsoleEvent(DWORD event) {
    if (event != CTRL_C_EVENT && event != CTRL_BREAK_EVENT)
        return FALSE;
    // A second interrupt, or one that comes while nothing is being written, ends at once.
    if (outputUnderWay.load() == 0 || interrupted.exchange(1) != 0)
        ExitProcess(kInterruptStatus);
    // The writing thread finishes its line and ends the process; a reader that stalls gets
    // the grace period and no more (this handler runs on a thread of its own).
    Sleep(kGraceMilliseconds);
    ExitProcess(kInterruptStatus);
}
} // namespace

void installInterruptHandling() {
    SetConsoleCtrlHandler(onConsoleEvent, TRUE);
}

void beginOutput() {
    outputUnderWay.store(1);
}

void endOutput() {
    outputUnderWay.store(0);
    if (interrupted.load() != 0)
        ExitProcess(kInterruptStatus);
}

std::thread startThreadWithoutInterrupts(std::function<void()> run) {
    return std::thread(std::move(run)); // console events come on a thread of their own
}

void limitHeapsUnderAddressSpaceLimit() {}

unsigned availableProcessors() {
    DWORD_PTR process = 0;
    DWORD_PTR system = 0;
    unsigned processors = 0;
    if (GetProcessAffinityMask(GetCurrentProcess(), &process, &system)) {
        for (; process != 0; process &= process - 1)
            ++processors;
    }
    return processors == 0 ? 1 : processors;
}

unsigned openableFiles(unsigned wanted) {
    return wanted; // the C runtime allows hundreds of open files; nothing lowers that
}

std::optional<std::string> currentDirectoryWithSeparator() {
    const auto directory = queryIntoGrowingBuffer([](char* buffer, std::size_t size) {
        return static_cast<std::size_t>(GetCurrentDirectoryA(static_cast<DWORD>(size), buffer));
    });
    if (!directory)
        return std::nullopt;
    return *directory + "\\";
}

} // namespace platform
