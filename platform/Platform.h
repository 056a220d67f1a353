#pragma once

#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <thread>

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
/// calls, but no further than the end of the line under way once the process is to end (see
/// installInterruptHandling). Returns 0, or the C runtime's error number when the system
/// refuses the bytes.
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

/// From now on an interrupt or a request to end (SIGINT, SIGTERM, SIGHUP, SIGQUIT; Ctrl+C or
/// Ctrl+Break on a Windows console) ends the process with status 128 plus the signal's number
/// (130, 143, 129, 131; 130 on Windows): at once while no output is being written; while it
/// is, once the line under way is written, which never begins another line and gets a
/// quarter of a second at most (a reader that stalls does not keep the process alive). A
/// second signal ends the process at once. A signal that the process was started ignoring
/// stays ignored.
void installInterruptHandling();

/// Marks the output under way (see installInterruptHandling).
void beginOutput();
void endOutput();

/// Starts a thread that runs the function and never receives the signals of
/// installInterruptHandling, which are left to the thread that writes the output. Throws
/// std::system_error when the system cannot make a thread.
std::thread startThreadWithoutInterrupts(std::function<void()> run);

/// Under a limit on address space (ulimit -v), makes all threads allocate from one heap
/// instead of a heap each, whose reservations would exhaust the limit.
void limitHeapsUnderAddressSpaceLimit();

/// The processors this process may run on: those its affinity allows, fewer when a
/// container's processor quota allows less; at least 1.
unsigned availableProcessors();

/// How many more files, up to `wanted`, the process could have open at once now (a limit on
/// open files, ulimit -n, may allow fewer).
unsigned openableFiles(unsigned wanted);

/// The current working directory followed by the path separator, or nullopt on failure
/// (the reason is then in lastErrorCode()).
std::optional<std::string> currentDirectoryWithSeparator();

} // namespace platform
