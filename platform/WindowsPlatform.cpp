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

int writeStandardOutput(const char* data, std::size_t size) {
    // _write in text mode turns each line feed into carriage return and line feed, as the
    // console expects.
    while (size > 0) {
        const unsigned chunk = static_cast<unsigned>(std::min<std::size_t>(size, 1 << 30));
        const int written = _write(1, data, chunk);
        if (written < 0)
            return errno;
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
constexpr int kInterruptStatus = 130; // as after SIGINT elsewhere
std::atomic<int> outputUnderWay{0};
std::atomic<int> interrupted{0};

BOOL WINAPI onConsoleEvent(DWORD event) {
    if (event != CTRL_C_EVENT && event != CTRL_BREAK_EVENT)
        return FALSE;
    if (outputUnderWay.load() == 0)
        ExitProcess(kInterruptStatus);
    // The writing thread ends the process when its output is written.
    interrupted.store(1);
    if (outputUnderWay.load() == 0)
        ExitProcess(kInterruptStatus);
    return TRUE;
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

std::optional<std::string> currentDirectoryWithSeparator() {
    const auto directory = queryIntoGrowingBuffer([](char* buffer, std::size_t size) {
        return static_cast<std::size_t>(GetCurrentDirectoryA(static_cast<DWORD>(size), buffer));
    });
    if (!directory)
        return std::nullopt;
    return *directory + "\\";
}

} // namespace platform
