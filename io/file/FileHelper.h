#pragma once

#include <cstdint>
#include <fstream>
#include <functional>
#include <string>

namespace io::file {

/// Whole-file loading whose every failure is a CouldNotLoadFileException with a five-line
/// message: what went wrong, the file name, the working directory, the system's error text
/// and the stream library's text.
class FileHelper {
  public:
    static constexpr std::int64_t kMaxLoadSize = 2147483647;

    /// Opens the file for binary reading with stream exceptions switched on.
    static void openForReading(std::ifstream& stream, const std::string& fileName);
    /// The size in bytes of an open file; the read position is left where it was.
    static std::int64_t fileSize(std::ifstream& stream, const std::string& fileName);
    /// The first byteCount bytes of the file, or the whole file when byteCount is 0. A large
    /// file is read in pieces; with `abandoned`, it is asked before each piece, and once it
    /// answers true the reading stops and what was read is returned, for the caller to drop.
    static std::string loadFile(const std::string& fileName, std::uint64_t byteCount,
                                const std::function<bool()>& abandoned = {});
    /// The message of every file failure. Reads the system's last error first.
    static std::string describeFailure(const std::string& introduction, const std::string& fileName,
                                       const std::string& exceptionText);
};

} // namespace io::file
