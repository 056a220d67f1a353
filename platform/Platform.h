#pragma once

#include <cstddef>
#include <optional>
#include <string>

/// The few operating-system services the program needs, one implementation per system.
namespace platform {

/// The calling thread's last error code (errno, or GetLastError on Windows).
int lastErrorCode();

/// The system's own message for an error code as the system gives it, or nullopt for a
/// code the system does not know.
std::optional<std::string> systemErrorText(int errorCode);

/// Makes lastErrorCode() answer this code again (it may have been overwritten since).
void setLastErrorCode(int errorCode);

/// Makes lastErrorCode() tell that a name is a directory where a file was expected.
void setIsDirectoryError();

/// Makes lastErrorCode() tell that a name is not one a file can have (it holds a zero byte).
void setInvalidNameError();

/// An error code of the program's own, for a name that is neither a regular file nor a
/// folder (a named pipe, a device, a socket); systemErrorText gives its text.
constexpr int kNotARegularFile = -20001;

/// Makes lastErrorCode() answer kNotARegularFile.
void setNotARegularFileError();

/// Writes every byte to standard output, going on after partial writes and interrupted
/// calls. Returns 0, or the C runtime's error number when the system refuses the bytes.
int writeStandardOutput(const char* data, std::size_t size);

/// From now on standard input and output carry bytes unchanged: no line-end translation
/// (Windows opens them in text mode).
void useBinaryStandardStreams();

/// Reads what standard input holds, up to `size` bytes, waiting only until some arrive.
/// Returns how many were read, 0 at its end, or -1 when the system refuses the read.
std::ptrdiff_t readStandardInput(char* buffer, std::size_t size);

/// From now on a write to a pipe whose reader has gone fails with EPIPE instead of ending
/// the process (no SIGPIPE; Windows has none).
void ignoreBrokenPipeSignal();

/// The C runtime's text for one of its error numbers.
std::string runtimeErrorText(int errorNumber);

/// Whether a C runtime error number tells that the reader of a pipe has gone.
bool isBrokenPipe(int errorNumber);

/// The exit status of a run whose reader went away: that of a process that SIGPIPE ended.
int brokenPipeExitStatus();

/// From now on an interrupt (SIGINT or SIGTERM; Ctrl+C or Ctrl+Break on a Windows console)
/// ends the process at once with status 128 plus the signal's number (130 for an interrupt,
/// 143 for a termination request), except while output is being written: then the process
/// ends as soon as that output is written whole, so a line is never cut. A signal that the
/// process was started ignoring stays ignored.
void installInterruptHandling();

/// Marks the output under way (see installInterruptHandling).
void beginOutput();
void endOutput();

/// The processors this process may run on: those its affinity allows, fewer when a
/// container's processor quota allows less; at least 1.
unsigned availableProcessors();

/// The current working directory followed by the path separator, or nullopt on failure
/// (the reason is then in lastErrorCode()).
std::optional<std::string> currentDirectoryWithSeparator();

} // namespace platform
