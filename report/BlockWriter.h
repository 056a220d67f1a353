#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

namespace report {

/// Collects output bytes and hands them to a drain in large blocks, so that writing a report
/// costs one system call per block rather than one per item.
class BlockWriter {
  public:
    /// Takes a block of bytes; returns false when they could not be written.
    using Drain = std::function<bool(std::string_view)>;

    explicit BlockWriter(Drain drain);
    BlockWriter(const BlockWriter&) = delete;
    BlockWriter& operator=(const BlockWriter&) = delete;

    void write(std::string_view bytes) {
        buffer_.append(bytes.data(), bytes.size());
        if (buffer_.size() >= kBlockBytes)
            drainBuffer();
    }
    void put(char byte) {
        buffer_.push_back(byte);
        if (buffer_.size() >= kBlockBytes)
            drainBuffer();
    }
    void writeNumber(std::int64_t number);
    /// The buffer itself, for code that appends to a string; call drainWhenFull() after.
    std::string& buffer() { return buffer_; }
    void drainWhenFull() {
        if (buffer_.size() >= kBlockBytes)
            drainBuffer();
    }
    /// Hands over what is buffered; false when this or an earlier block could not be written.
    bool flush();

  private:
    static constexpr std::size_t kBlockBytes = 1 << 20;
    void drainBuffer();

    Drain drain_;
    std::string buffer_;
    bool failed_ = false;
};

} // namespace report
