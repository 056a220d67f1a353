#include "lsp/MessageReader.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

namespace {

using lsp::Frame;

/// Gives a text a few bytes at a time, as a pipe may.
class ChunkedSource : public lsp::ByteSource {
  public:
    ChunkedSource(std::string text, std::size_t chunk) : text_(std::move(text)), chunk_(chunk) {}
    std::ptrdiff_t read(char* buffer, std::size_t size) override {
        const std::size_t count = std::min({size, chunk_, text_.size() - at_});
        std::memcpy(buffer, text_.data() + at_, count);
        at_ += count;
        return static_cast<std::ptrdiff_t>(count);
    }

  private:
    std::string text_;
    std::size_t chunk_;
    std::size_t at_ = 0;
};

/// A frame written for comparison: "message: BODY", "malformed: PROBLEM", "too large" or
/// "end".
std::string describe(const Frame& frame) {
    switch (frame.kind) {
    case Frame::Kind::kMessage:
        return "message: " + frame.body;
    case Frame::Kind::kMalformed:
        return "malformed: " + frame.problem;
    case Frame::Kind::kTooLarge:
        return "too large: " + frame.problem;
    case Frame::Kind::kEnd:
        return "end";
    }
    return "?";
}

std::vector<std::string> framesOf(const std::string& input, std::size_t chunk) {
    ChunkedSource source(input, chunk);
    lsp::MessageReader reader(source, 50);
    std::vector<std::string> frames;
    for (int i = 0; i < 20; ++i) {
        frames.push_back(describe(reader.next()));
        if (frames.back() == "end")
            return frames;
    }
    frames.push_back("(no end)");
    return frames;
}

struct ReaderCase {
    const char* name;
    std::string input;
    std::vector<std::string> frames;
};

const std::string kNext = "Content-Length: 2\r\n\r\n[]";

std::vector<ReaderCase> readerCases() {
    return {
        {"two messages",
         "Content-Length: 2\r\n\r\n{}" + kNext,
         {"message: {}", "message: []", "end"}},
        {"other headers and any case",
         "Content-Type: application/vscode-jsonrpc; charset=utf-8\r\ncontent-length:  2 \r\n\r\n{}",
         {"message: {}", "end"}},
        {"line feeds alone", "Content-Length: 2\n\n{}", {"message: {}", "end"}},
        {"blank lines between messages", "\r\n\r\n" + kNext, {"message: []", "end"}},
        {"no Content-Length: the next header is found",
         "Content-Type: x\r\n\r\n{}" + kNext,
         {"malformed: a message header without Content-Length", "message: []", "end"}},
        {"a line without a colon: the body is skipped",
         "Content-Length: 2\r\nbogus\r\n\r\n{}" + kNext,
         {"malformed: a header line without a colon: \"bogus\"", "message: []", "end"}},
        {"a header name that is not a name",
         "Content-Length: 2\r\nbad name: x\r\n\r\n{}" + kNext,
         {"malformed: a header line whose name is not a name: \"bad name: x\"", "message: []",
          "end"}},
        {"a length that is not a number",
         "Content-Length: 2x\r\n\r\n{}" + kNext,
         {"malformed: a Content-Length that is not a number: \"Content-Length: 2x\"", "message: []",
          "end"}},
        {"two different lengths",
         "Content-Length: 2\r\nContent-Length: 3\r\n\r\n{}" + kNext,
         {"malformed: two different Content-Length headers", "message: []", "end"}},
        {"a length too small: the rest is garbage before the next header",
         "Content-Length: 4\r\n\r\n{\"a\":1}" + kNext,
         {"message: {\"a\"", "malformed: text that is not a header: \":1}\"", "message: []",
          "end"}},
        {"a message over the limit is skipped",
         "Content-Length: 60\r\n\r\n" + std::string(60, 'x') + kNext,
         {"too large: a message of 60 bytes, over the limit of 50 bytes", "message: []", "end"}},
        {"a message of the limit's size",
         "Content-Length: 50\r\n\r\n" + std::string(50, 'x'),
         {"message: " + std::string(50, 'x'), "end"}},
        {"a message a byte over the limit",
         "Content-Length: 51\r\n\r\n" + std::string(51, 'x') + kNext,
         {"too large: a message of 51 bytes, over the limit of 50 bytes", "message: []", "end"}},
        {"a length beyond 64 bits",
         "Content-Length: 99999999999999999999999\r\n\r\n{}",
         {"too large: a message of 18446744073709551615 bytes, over the limit of 50 bytes", "end"}},
        {"a header line over 8 KB",
         "X-Long: " + std::string(10000, 'a') + "\r\nContent-Length: 2\r\n\r\n{}" + kNext,
         {"malformed: a header line longer than 8192 bytes: \"X-Long: "
          "aaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaa\"...",
          "message: []", "end"}},
        {"the input ends inside a body",
         "Content-Length: 10\r\n\r\n{}",
         {"malformed: the input ended 8 bytes before the end of a message", "end"}},
        {"the input ends inside a header",
         "Content-Length: 10\r\n",
         {"malformed: the input ended inside a message header", "end"}},
        {"text without any header",
         "hello world",
         {"malformed: the input ended inside a message header", "end"}},
        {"nothing at all", "", {"end"}},
    };
}

TEST(MessageReader, FramesWhateverTheInputHolds) {
    for (const ReaderCase& c : readerCases()) {
        for (const std::size_t chunk : {std::size_t{1}, std::size_t{7}, c.input.size() + 1})
            EXPECT_EQ(framesOf(c.input, chunk), c.frames) << c.name << ", chunks of " << chunk;
    }
}

TEST(MessageReader, ABodyMayHoldAnyBytes) {
    const std::string body("\0\r\n\r\n\xFF", 6);
    EXPECT_EQ(framesOf("Content-Length: 6\r\n\r\n" + body, 3),
              (std::vector<std::string>{"message: " + body, "end"}));
}

} // namespace
