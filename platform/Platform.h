#pragma once

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

/// The current working directory followed by the path separator, or nullopt on failure
/// (the reason is then in lastErrorCode()).
std::optional<std::string> currentDirectoryWithSeparator();

} // namespace platform
