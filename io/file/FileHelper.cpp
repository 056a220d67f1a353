#include "io/file/FileHelper.h"

#include "io/file/CouldNotLoadFileException.h"
#include "platform/Platform.h"
#include "platform/errorresources/SystemErrors.h"
#include "util/AssertionReporter.h"
#include "windows/file/CurrentDirectory.h"
#include "windows/file/WindowsFileException.h"

#include <algorithm>
#include <exception>
#include <filesystem>

namespace io::file {
namespace {
// Lines under which unexpected failures of each operation are reported.
constexpr int kOpenForReadingLine = 29;
constexpr int kSizeAssertionLine = 74;
constexpr int kFileSizeLine = 84;
constexpr int kLoadFileLine = 169;

const std::ios::iostate kAllFailures = std::ios::eofbit | std::ios::failbit | std::ios::badbit;

/// Raises a stream's failure as a CouldNotLoadFileException once a stream step has failed.
/// The system's error code is taken at once, before raising the stream's own exception can
/// overwrite it, and put back for the message. `step` says in a few words what failed.
void raiseIfFailed(std::ifstream& stream, const char* introduction, const char* step,
                   const std::string& fileName) {
    if (stream.good())
        return;
    const int errorCode = platform::lastErrorCode();
    try {
        stream.exceptions(kAllFailures); // raises the stream's failure for the state it is in
    } catch (const std::ios::failure& failure) {
        const std::string reason =
            std::string(step) + ": " +
            platform::systemErrorText(errorCode).value_or("error " + std::to_string(errorCode));
        platform::setLastErrorCode(errorCode);
        throw CouldNotLoadFileException(
            FileHelper::describeFailure(introduction, fileName, failure.what()), reason);
    }
}

} // namespace

std::string FileHelper::describeFailure(const std::string& introduction,
                                        const std::string& fileName,
                                        const std::string& exceptionText) {
    const std::string systemText = platform::SystemErrors::map(platform::lastErrorCode());
    std::string directory;
    try {
        directory = windows::file::currentDirectory();
    } catch (const windows::file::CouldNotGetCurrentDirectoryException& e) {
        directory = "Couldn't get the current directory. Exception: " + e.getMessage();
    }
    return introduction + "\nFilename: '" + fileName + "'" +
           "\nCurrent Working Directory: " + directory + "\n" + systemText +
           "\nC++ exception: " + exceptionText;
}

void FileHelper::openForReading(std::ifstream& stream, const std::string& fileName) {
    const char* const introduction = "An error occured when trying to open the file for reading.";
    try {
        stream.exceptions(std::ios::goodbit);
        const bool holdsZeroByte = fileName.find('\0') != std::string::npos;
        std::error_code ignored;
        const std::filesystem::file_status status =
            holdsZeroByte ? std::filesystem::file_status()
                          : std::filesystem::status(fileName, ignored);
        if (stream.is_open()) {
            stream.setstate(std::ios::failbit); // fails like a file that cannot be opened
        } else if (holdsZeroByte) {
            // The system would open the file the name ends at; this name names none.
            platform::setInvalidNameError();
            stream.setstate(std::ios::failbit);
        } else if (std::filesystem::exists(status) && !std::filesystem::is_regular_file(status) &&
                   !std::filesystem::is_directory(status)) {
            // A named pipe or a device would block the open or the read, or never end.
            platform::setNotARegularFileError();
            stream.setstate(std::ios::failbit);
        } else {
            stream.open(fileName, std::ios::in | std::ios::binary);
            if (stream.good() && std::filesystem::is_directory(status)) {
                // Some systems open a directory like a file; it has no bytes to read.
                platform::setIsDirectoryError();
                stream.setstate(std::ios::failbit);
            }
        }
        raiseIfFailed(stream, introduction, "cannot open the file", fileName);
    } catch (const exceptions::Exception&) {
        throw;
    } catch (const std::exception&) {
        util::reportAssertion("false", __FILE__, kOpenForReadingLine);
        throw;
    }
}

std::int64_t FileHelper::fileSize(std::ifstream& stream, const std::string& fileName) {
    const char* const introduction = "An error occured while trying to get the size of the file.";
    std::int64_t size = -1;
    try {
        raiseIfFailed(stream, introduction, "cannot measure the file", fileName);
        const std::streampos remembered = stream.tellg();
        stream.seekg(0, std::ios::end);
        size = static_cast<std::int64_t>(stream.tellg());
        stream.seekg(remembered);
        raiseIfFailed(stream, introduction, "cannot measure the file", fileName);
    } catch (const exceptions::Exception&) {
        throw;
    } catch (const std::exception&) {
        util::reportAssertion("false", __FILE__, kFileSizeLine);
        throw;
    }
    if (size < 0)
        util::reportAssertion("sz >= 0", __FILE__, kSizeAssertionLine);
    return size;
}

std::string FileHelper::loadFile(const std::string& fileName, std::uint64_t byteCount,
                                 const std::function<bool()>& abandoned) {
    try {
        std::ifstream stream;
        openForReading(stream, fileName);
        const std::int64_t size = fileSize(stream, fileName);
        const std::uint64_t available = size < 0 ? 0 : static_cast<std::uint64_t>(size);
        if (byteCount > available)
            throw CouldNotLoadFileException(
                describeFailure("Tried to read a larger number of bytes from a file that it "
                                "contained. Tried to "
                                "read : " +
                                    std::to_string(byteCount) +
                                    " File size: " + std::to_string(available),
                                fileName, "None."),
                "the file is shorter than the bytes asked for");
        if (byteCount == 0)
            byteCount = available;
        if (byteCount > static_cast<std::uint64_t>(kMaxLoadSize))
            throw CouldNotLoadFileException(
                describeFailure(
                    "Could not load the file because the file size was too big. The file size is " +
                        std::to_string(byteCount) + ". The file cannot be bigger than " +
                        std::to_string(kMaxLoadSize) + " bytes.",
                    fileName, "None."),
                "the file is too big: " + std::to_string(byteCount) + " bytes, at most " +
                    std::to_string(kMaxLoadSize));
        // In pieces, so that a run that no longer wants the file need not wait for a gigabyte
        // to be read (nor for the memory to be filled in first).
        constexpr std::uint64_t kPiece = 16 * 1024 * 1024;
        std::string content;
        content.reserve(static_cast<std::size_t>(byteCount));
        while (content.size() < byteCount) {
            if (abandoned && abandoned())
                return content;
            const std::size_t at = content.size();
            const std::uint64_t piece = std::min(kPiece, byteCount - at);
            content.resize(at + static_cast<std::size_t>(piece));
            stream.read(&content[at], static_cast<std::streamsize>(piece));
            raiseIfFailed(stream, "An error occured while trying to load the file.",
                          "cannot read the file", fileName);
        }
        return content;
    } catch (const exceptions::Exception&) {
        throw;
    } catch (const std::exception&) {
        util::reportAssertion("false", __FILE__, kLoadFileLine);
        throw;
    }
}

} // namespace io::file
