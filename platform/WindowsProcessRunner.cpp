#include "platform/ProcessRunner.h"
#include "platform/WindowsCommandLine.h"

#include <cstring>
#include <thread>
#include <windows.h>

namespace platform {

namespace {

/// A handle that is closed when it goes.
struct Handle {
    HANDLE value = nullptr;

    void close() {
        if (value && value != INVALID_HANDLE_VALUE)
            CloseHandle(value);
        value = nullptr;
    }
    ~Handle() { close(); }
};

bool isUnset(const char* variable, const std::vector<std::string>& unsetVariables) {
    for (const std::string& name : unsetVariables) {
        if (_strnicmp(variable, name.c_str(), name.size()) == 0 && variable[name.size()] == '=')
            return true;
    }
    return false;
}

/// The process's environment block less the named variables (names compare without case,
/// as Windows compares them).
std::string environmentWithout(const std::vector<std::string>& unsetVariables) {
    std::string block;
    LPCH strings = GetEnvironmentStringsA();
    if (!strings)
        return block;
    for (const char* variable = strings; *variable; variable += std::strlen(variable) + 1) {
        if (!isUnset(variable, unsetVariables))
            block.append(variable, std::strlen(variable) + 1);
    }
    FreeEnvironmentStringsA(strings);
    block += '\0'; // the block ends with an empty string
    if (block.size() == 1)
        block += '\0';
    return block;
}

void readAll(HANDLE end, std::string& text) {
    char buffer[65536];
    DWORD count = 0;
    while (ReadFile(end, buffer, sizeof buffer, &count, nullptr) && count > 0)
        text.append(buffer, count);
}

bool makePipe(Handle& readEnd, Handle& writeEnd) {
    SECURITY_ATTRIBUTES inheritable{sizeof(SECURITY_ATTRIBUTES), nullptr, TRUE};
    if (!CreatePipe(&readEnd.value, &writeEnd.value, &inheritable, 0))
        return false;
    // Only the child's end is inherited.
    return SetHandleInformation(readEnd.value, HANDLE_FLAG_INHERIT, 0) != 0;
}

} // namespace

std::optional<ProcessOutcome> runProgram(const std::vector<std::string>& arguments,
                                         const std::vector<std::string>& unsetVariables) {
    if (arguments.empty()) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return std::nullopt;
    }
    Handle outputRead, outputWrite, errorRead, errorWrite, input;
    if (!makePipe(outputRead, outputWrite) || !makePipe(errorRead, errorWrite))
        return std::nullopt;
    SECURITY_ATTRIBUTES inheritable{sizeof(SECURITY_ATTRIBUTES), nullptr, TRUE};
    input.value = CreateFileA("NUL", GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, &inheritable,
                              OPEN_EXISTING, 0, nullptr);
    if (input.value == INVALID_HANDLE_VALUE)
        return std::nullopt;

    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdInput = input.value;
    startup.hStdOutput = outputWrite.value;
    startup.hStdError = errorWrite.value;
    std::string commandLine = windowsCommandLine(arguments);
    std::string environment = environmentWithout(unsetVariables);
    PROCESS_INFORMATION process{};
    if (!CreateProcessA(nullptr, &commandLine[0], nullptr, nullptr, TRUE, CREATE_NO_WINDOW,
                        &environment[0], nullptr, &startup, &process))
        return std::nullopt;
    Handle processHandle{process.hProcess};
    Handle threadHandle{process.hThread};
    outputWrite.close();
    errorWrite.close();
    input.close();

    ProcessOutcome outcome;
    std::thread errorReader([&] { readAll(errorRead.value, outcome.errorOutput); });
    readAll(outputRead.value, outcome.output);
    errorReader.join();
    WaitForSingleObject(process.hProcess, INFINITE);
    DWORD status = 0;
    GetExitCodeProcess(process.hProcess, &status);
    outcome.exitStatus = static_cast<int>(status);
    return outcome;
}

} // namespace platform
