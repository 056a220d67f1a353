#include "scan/baseline/Baseline.h"

#include "products/quarvel/rule/RuleCatalogue.h"
#include "report/Utf8.h"

#include <algorithm>
#include <optional>
#include <tuple>

namespace scan::baseline {
namespace {

constexpr std::string_view kVersionLine = "quarvel-baseline 1";
constexpr std::string_view kVersionPrefix = "quarvel-baseline ";
constexpr std::string_view kEntryIndent = "  ";
constexpr char kHexDigits[] = "0123456789abcdef";

bool isControl(unsigned char c) {
    return c < 0x20 || c == 0x7F;
}

/// Bytes that may not start a path line: they would read as an entry or a conflict marker.
bool isAmbiguousFirstByte(char c) {
    return c == ' ' || c == '<' || c == '=' || c == '>' || c == '|';
}

void appendHex(std::string& out, std::uint32_t value, int digits) {
    for (int shift = 4 * (digits - 1); shift >= 0; shift -= 4)
        out += kHexDigits[(value >> shift) & 0xF];
}

void appendEscapedByte(std::string& out, char c) {
    out += "\\x";
    appendHex(out, static_cast<unsigned char>(c), 2);
}

std::string escapePath(std::string_view path) {
    std::string out;
    for (std::size_t at = 0; at < path.size();) {
        const char c = path[at];
        const bool atEnd = at + 1 == path.size();
        if (c == '\\') {
            out += "\\\\";
        } else if ((at == 0 && isAmbiguousFirstByte(c)) || (atEnd && c == ' ') ||
                   isControl(static_cast<unsigned char>(c))) {
            appendEscapedByte(out, c);
        } else if (static_cast<unsigned char>(c) >= 0x80) {
            const std::size_t length = report::utf8SequenceLength(path, at);
            if (length == 0) {
                appendEscapedByte(out, c);
            } else {
                out.append(path.substr(at, length));
                at += length;
                continue;
            }
        } else {
            out += c;
        }
        ++at;
    }
    return out;
}

std::optional<unsigned> hexValue(char c) {
    const char* digit = std::find(kHexDigits, kHexDigits + 16, c);
    if (digit == kHexDigits + 16)
        return std::nullopt;
    return static_cast<unsigned>(digit - kHexDigits);
}

/// Reads the file line by line, knowing the line number for messages.
class BaselineReader {
  public:
    BaselineReader(std::string_view text, const std::string& fileName)
        : text_(text), fileName_(fileName) {}

    std::vector<Entry> read() {
        std::vector<Entry> entries;
        std::string_view line;
        const bool hasFirstLine = nextLine(line);
        lineNumber_ = 1; // an empty file is wrong in its first line too
        if (!hasFirstLine || line.substr(0, kVersionPrefix.size()) != kVersionPrefix)
            fail("not a baseline file: its first line must be '" + std::string(kVersionLine) + "'");
        if (line != kVersionLine)
            fail("a baseline of version '" + std::string(line.substr(kVersionPrefix.size())) +
                 "', which this program does not read (it reads '" + std::string(kVersionLine) +
                 "'): write the baseline again");
        std::optional<std::string> path;
        while (nextLine(line)) {
            if (line.empty())
                continue;
            if (isConflictMarker(line))
                fail("an unresolved merge conflict: write the baseline again rather than merge "
                     "it by hand");
            if (line.substr(0, kEntryIndent.size()) == kEntryIndent) {
                if (!path)
                    fail("an entry before the first path");
                entries.push_back(readEntry(*path, line.substr(kEntryIndent.size())));
            } else {
                path = readPath(line);
            }
        }
        return entries;
    }

  private:
    bool nextLine(std::string_view& line) {
        if (at_ >= text_.size())
            return false;
        const std::size_t end = std::min(text_.find('\n', at_), text_.size());
        line = text_.substr(at_, end - at_);
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        at_ = end + 1;
        ++lineNumber_;
        return true;
    }

    [[noreturn]] void fail(const std::string& message) const {
        throw BaselineException(fileName_ + ":" + std::to_string(lineNumber_) + ": " + message);
    }

    static bool isConflictMarker(std::string_view line) {
        for (const std::string_view marker : {"<<<<<<<", "=======", ">>>>>>>", "|||||||"}) {
            if (line.substr(0, marker.size()) == marker)
                return true;
        }
        return false;
    }

    std::string readPath(std::string_view line) const {
        if (isAmbiguousFirstByte(line.front()) || line.front() == '\t')
            fail("a line that is neither a path nor an entry (entries start with two spaces)");
        std::string path;
        for (std::size_t at = 0; at < line.size(); ++at) {
            const char c = line[at];
            if (isControl(static_cast<unsigned char>(c)))
                fail("a path holding a raw control byte, which the baseline writes as \\xHH");
            if (c != '\\') {
                path += c;
            } else if (at + 1 < line.size() && line[at + 1] == '\\') {
                path += '\\';
                ++at;
            } else if (at + 3 < line.size() && line[at + 1] == 'x' && hexValue(line[at + 2]) &&
                       hexValue(line[at + 3])) {
                const unsigned byte = *hexValue(line[at + 2]) * 16 + *hexValue(line[at + 3]);
                if (byte == 0)
                    fail("a path holding a zero byte");
                path += static_cast<char>(byte);
                at += 3;
            } else {
                fail("a path holding a backslash that is neither '\\\\' nor '\\x' and two "
                     "lower-case hex digits");
            }
        }
        return path;
    }

    Entry readEntry(const std::string& path, std::string_view fields) const {
        // RULE, a space, 8 hex digits, a space, 4 hex digits.
        const std::size_t ruleEnd = fields.find(' ');
        const std::string_view rule = fields.substr(0, ruleEnd);
        const bool wellFormed =
            ruleEnd != std::string_view::npos && !rule.empty() && rule.size() <= 9 &&
            rule.front() != '0' &&
            std::all_of(rule.begin(), rule.end(), [](char c) { return c >= '0' && c <= '9'; }) &&
            fields.size() == ruleEnd + 1 + 8 + 1 + 4 && fields[ruleEnd + 9] == ' ' &&
            std::all_of(fields.begin() + static_cast<std::ptrdiff_t>(ruleEnd) + 1,
                        fields.begin() + static_cast<std::ptrdiff_t>(ruleEnd) + 9,
                        [](char c) { return hexValue(c).has_value(); }) &&
            std::all_of(fields.end() - 4, fields.end(),
                        [](char c) { return hexValue(c).has_value(); });
        if (!wellFormed)
            fail("a malformed entry: an entry is two spaces, a rule number, a space, 8 "
                 "lower-case hex digits, a space and 4 more, such as '  1006 5d41402a 2a9f'");
        Entry entry;
        entry.path = path;
        entry.rule = std::stoi(std::string(rule));
        if (!products::quarvel::rule::findRule(entry.rule))
            fail("an entry of rule " + std::string(rule) + ", which does not exist");
        entry.lineHash = static_cast<std::uint32_t>(
            std::stoul(std::string(fields.substr(ruleEnd + 1, 8)), nullptr, 16));
        entry.contextHash = static_cast<std::uint16_t>(
            std::stoul(std::string(fields.substr(ruleEnd + 10, 4)), nullptr, 16));
        return entry;
    }

    std::string_view text_;
    const std::string& fileName_;
    std::size_t at_ = 0;
    std::size_t lineNumber_ = 0;
};

} // namespace

bool Entry::operator==(const Entry& other) const {
    return std::tie(path, rule, lineHash, contextHash) ==
           std::tie(other.path, other.rule, other.lineHash, other.contextHash);
}

bool Entry::operator<(const Entry& other) const {
    return std::tie(path, rule, lineHash, contextHash) <
           std::tie(other.path, other.rule, other.lineHash, other.contextHash);
}

Entry entryOf(const KeyedDefect& defect) {
    return Entry{defect.key.path, defect.key.rule, lineHash(defect.key.text), defect.context};
}

std::string formatBaseline(std::vector<Entry> entries) {
    std::sort(entries.begin(), entries.end());
    std::string text(kVersionLine);
    text += '\n';
    const std::string* path = nullptr;
    for (const Entry& entry : entries) {
        if (!path || *path != entry.path) {
            path = &entry.path;
            text += escapePath(entry.path);
            text += '\n';
        }
        text += kEntryIndent;
        text += std::to_string(entry.rule);
        text += ' ';
        appendHex(text, entry.lineHash, 8);
        text += ' ';
        appendHex(text, entry.contextHash, 4);
        text += '\n';
    }
    return text;
}

std::vector<Entry> parseBaseline(std::string_view text, const std::string& fileNameForMessages) {
    return BaselineReader(text, fileNameForMessages).read();
}

} // namespace scan::baseline
