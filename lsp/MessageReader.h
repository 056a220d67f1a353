#pragma once

#include "lsp/ByteSource.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace lsp {

/// What the reader found next in the input.
struct Frame {
    enum class Kind {
        kMessage,   // body holds a message's bytes
        kMalformed, // problem says what was wrong; the reader has moved past it
        kTooLarge,  // problem says how large; the body is skipped on the next call
        kEnd        // the input ended or failed
    };
    Kind kind = Kind::kEnd;
    std::string body;
    std::string problem;
};

/// Splits the input into messages, each a block of "Name: value" header lines ended by an
/// empty line, then as many bytes as its Content-Length says. Memory stays bounded whatever
/// the input holds: a header line is kept up to 8 KB, a body up to the limit given, and a
/// larger body is read and dropped in small pieces.
///
/// After a header block without a usable Content-Length the reader cannot know where the
/// next message starts: it drops lines until one holds "Content-Length:" and starts there.
/// A line that is not a header but holds "Content-Length:" further on is taken as garbage
/// before the header of a new message.
class MessageReader {
  public:
    static constexpr std::size_t kMaxHeaderLine = 8 * 1024;

    MessageReader(ByteSource& input, std::uint64_t maxBody);

    Frame next();

  private:
    struct Line {
        std::string text;
        bool cut = false; // longer than kMaxHeaderLine; the rest was dropped
    };

    bool fill();
    std::optional<Line> readLine();
    bool readBody(std::uint64_t length, std::string& body);
    bool skip(std::uint64_t length);
    Frame readHeaderBlock(std::optional<Line> first);

    ByteSource& input_;
    const std::uint64_t maxBody_;
    std::vector<char> buffer_;
    std::size_t begin_ = 0;
    std::size_t end_ = 0;
    bool ended_ = false;
    bool searching_ = false;        // dropping lines until one holds a Content-Length
    std::optional<Line> pending_;   // a line to read again, from a new header's start
    std::uint64_t pendingSkip_ = 0; // the body of a message that was too large
};

} // namespace lsp
