#pragma once

#include <cstdio>
#include <string>
#include <string_view>

namespace io::file {

/// Writes a file whole or not at all. The bytes go to a new temporary file beside the target
/// (same folder, a name of its own), which commit() renames over the target. Until then the
/// target keeps its old content, and a ReplacingFile destroyed without commit() removes its
/// temporary file, so a writer that fails half-way leaves the old file as it was. The new
/// file keeps the old one's permission bits.
///
/// A target that exists and is not a regular file (a device such as /dev/null, a named pipe)
/// cannot be replaced and is written directly; a symbolic link stays, and the file it leads
/// to is replaced. A folder is refused.
class ReplacingFile {
  public:
    /// Creates the temporary file; isOpen() tells whether that worked, failure() why not.
    explicit ReplacingFile(std::string target);
    ~ReplacingFile();
    ReplacingFile(const ReplacingFile&) = delete;
    ReplacingFile& operator=(const ReplacingFile&) = delete;

    /// Whether writing can go on: the file is open, not yet committed, and no write failed.
    bool isOpen() const { return stream_ != nullptr && failure_.empty(); }
    /// The open file, for code that writes to a stream. A failure of such writes shows at
    /// commit(), though without the system's reason; write() keeps the reason.
    std::FILE* stream() const { return stream_; }
    /// Writes bytes; false when they, or earlier ones, could not be written.
    bool write(std::string_view bytes);
    /// Flushes and closes the file and puts it in the target's place. False when this or an
    /// earlier step failed; the target is then as it was (unless it is written directly).
    bool commit();

    /// The system's reason for the first failure; empty while there is none.
    const std::string& failure() const { return failure_; }
    /// Whether the failure was a pipe whose reader went away.
    bool readerWentAway() const { return readerWentAway_; }
    /// The file being written, while there is one: the temporary file, or the target itself
    /// when it is written directly.
    const std::string& writtenPath() const { return writtenPath_; }

  private:
    void open();
    void openTemporaryBeside();
    void failWithRuntimeError(int errorNumber);
    bool closeStream();
    void removeTemporary();

    std::string target_;      // the file to replace, links followed
    std::string writtenPath_; // empty when nothing is open
    bool direct_ = false;     // the target itself is written
    std::FILE* stream_ = nullptr;
    std::string failure_;
    bool readerWentAway_ = false;
};

} // namespace io::file
