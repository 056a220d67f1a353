#include "lsp/MessageReader.h"

#include <algorithm>
#include <cstring>
#include <limits>
#include <string_view>

namespace lsp {
namespace {

constexpr std::size_t kChunk = 64 * 1024;
constexpr std::string_view kLengthHeader = "content-length";

char lowerCase(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

bool equalsIgnoringCase(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return lowerCase(x) == lowerCase(y);
           });
}

/// Where "Content-Length:", in any case, starts in the line.
std::size_t findLengthHeader(std::string_view line) {
    const std::size_t size = kLengthHeader.size() + 1;
    for (std::size_t at = 0; at + size <= line.size(); ++at) {
        if (line[at + size - 1] == ':' &&
            equalsIgnoringCase(line.substr(at, size - 1), kLengthHeader))
            return at;
    }
    return std::string_view::npos;
}

/// A header name is a token: letters, digits and a few marks.
bool isHeaderName(std::string_view name) {
    static constexpr std::string_view kMarks = "!#$%&'*+-.^_`|~";
    return !name.empty() && std::all_of(name.begin(), name.end(), [](char c) {
        return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') ||
               kMarks.find(c) != std::string_view::npos;
    });
}

std::string_view trimmed(std::string_view text) {
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t'))
        text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t'))
        text.remove_suffix(1);
    return text;
}

/// Decimal digits alone; a number beyond 64 bits is the largest 64-bit number.
std::optional<std::uint64_t> parseLength(std::string_view text) {
    if (text.empty())
        return std::nullopt;
    std::uint64_t value = 0;
    for (const char c : text) {
        if (c < '0' || c > '9')
            return std::nullopt;
        const auto digit = static_cast<std::uint64_t>(c - '0');
        if (value > (std::numeric_limits<std::uint64_t>::max() - digit) / 10)
            value = std::numeric_limits<std::uint64_t>::max();
        else
            value = value * 10 + digit;
    }
    return value;
}

/// The start of a line, for a message about it.
std::string excerpt(std::string_view line) {
    constexpr std::size_t kShown = 40;
    std::string shown = "\"" + std::string(line.substr(0, kShown)) + "\"";
    return line.size() > kShown ? shown + "..." : shown;
}

Frame malformed(std::string problem) {
    return {Frame::Kind::kMalformed, {}, std::move(problem)};
}

} // namespace

MessageReader::MessageReader(ByteSource& input, std::uint64_t maxBody)
    : input_(input), maxBody_(maxBody), buffer_(kChunk) {}

bool MessageReader::fill() {
    if (ended_)
        return false;
    const std::ptrdiff_t got = input_.read(buffer_.data(), buffer_.size());
    if (got <= 0) {
        ended_ = true;
        return false;
    }
    begin_ = 0;
    end_ = static_cast<std::size_t>(got);
    return true;
}

std::optional<MessageReader::Line> MessageReader::readLine() {
    if (pending_) {
        std::optional<Line> line = std::move(pending_);
        pending_.reset();
        return line;
    }
    Line line;
    bool any = false;
    for (;;) {
        if (begin_ == end_ && !fill()) {
            if (!any)
                return std::nullopt;
            break; // a last line without a line feed
        }
        any = true;
        const char* from = buffer_.data() + begin_;
        const auto* lineFeed = static_cast<const char*>(std::memchr(from, '\n', end_ - begin_));
        const std::size_t length =
            lineFeed ? static_cast<std::size_t>(lineFeed - from) : end_ - begin_;
        const std::size_t room = kMaxHeaderLine - line.text.size();
        if (length > room)
            line.cut = true;
        line.text.append(from, std::min(length, room));
        begin_ += length;
        if (lineFeed) {
            ++begin_;
            break;
        }
    }
    if (!line.text.empty() && line.text.back() == '\r')
        line.text.pop_back();
    return line;
}

bool MessageReader::readBody(std::uint64_t length, std::string& body) {
    body.clear();
    body.reserve(static_cast<std::size_t>(length));
    while (body.size() < length) {
        if (begin_ == end_ && !fill())
            return false;
        const std::size_t take =
            static_cast<std::size_t>(std::min<std::uint64_t>(length - body.size(), end_ - begin_));
        body.append(buffer_.data() + begin_, take);
        begin_ += take;
    }
    return true;
}

bool MessageReader::skip(std::uint64_t length) {
    while (length > 0) {
        if (begin_ == end_ && !fill())
            return false;
        const std::size_t take =
            static_cast<std::size_t>(std::min<std::uint64_t>(length, end_ - begin_));
        begin_ += take;
        length -= take;
    }
    return true;
}

Frame MessageReader::next() {
    if (pendingSkip_ > 0) {
        const std::uint64_t length = pendingSkip_;
        pendingSkip_ = 0;
        if (!skip(length))
            return {};
    }
    for (;;) {
        std::optional<Line> line = readLine();
        if (!line)
            return {};
        if (searching_) {
            const std::size_t at = findLengthHeader(line->text);
            if (at == std::string_view::npos)
                continue;
            searching_ = false;
            line->text.erase(0, at);
            return readHeaderBlock(std::move(line));
        }
        if (line->text.empty())
            continue; // blank lines between messages do no harm
        return readHeaderBlock(std::move(line));
    }
}

Frame MessageReader::readHeaderBlock(std::optional<Line> line) {
    std::optional<std::uint64_t> length;
    std::string problem;
    for (; line && !line->text.empty(); line = readLine()) {
        const std::string_view text = line->text;
        const std::size_t colon = text.find(':');
        if (colon == std::string_view::npos || !isHeaderName(text.substr(0, colon))) {
            const std::size_t at = findLengthHeader(text);
            if (at != std::string_view::npos && at > 0) {
                // Garbage, then the header of the next message on the same line.
                const std::string garbage = excerpt(text.substr(0, at));
                line->text.erase(0, at);
                pending_ = std::move(line);
                return malformed("text that is not a header: " + garbage);
            }
            if (problem.empty())
                problem = colon == std::string_view::npos
                              ? "a header line without a colon: " + excerpt(text)
                              : "a header line whose name is not a name: " + excerpt(text);
        } else if (line->cut) {
            if (problem.empty())
                problem = "a header line longer than " + std::to_string(kMaxHeaderLine) +
                          " bytes: " + excerpt(text);
        } else if (equalsIgnoringCase(text.substr(0, colon), kLengthHeader)) {
            const std::optional<std::uint64_t> value = parseLength(trimmed(text.substr(colon + 1)));
            if (!value) {
                if (problem.empty())
                    problem = "a Content-Length that is not a number: " + excerpt(text);
            } else if (length && *length != *value) {
                if (problem.empty())
                    problem = "two different Content-Length headers";
            } else {
                length = value;
            }
        }
        // Other headers, Content-Type among them, are read and left alone.
    }
    if (!line)
        return malformed("the input ended inside a message header");
    if (!length) {
        searching_ = true;
        return malformed(problem.empty() ? "a message header without Content-Length" : problem);
    }
    if (!problem.empty()) {
        pendingSkip_ = *length;
        return malformed(problem);
    }
    if (*length > maxBody_) {
        pendingSkip_ = *length;
        return {Frame::Kind::kTooLarge,
                {},
                "a message of " + std::to_string(*length) + " bytes, over the limit of " +
                    std::to_string(maxBody_) + " bytes"};
    }
    Frame frame{Frame::Kind::kMessage, {}, {}};
    if (!readBody(*length, frame.body)) {
        return malformed("the input ended " + std::to_string(*length - frame.body.size()) +
                         " bytes before the end of a message");
    }
    return frame;
}

} // namespace lsp
