#include "scan/config/Glob.h"

#include <optional>

namespace scan::config {
namespace {

/// One piece of a pattern before it is split into names: a byte matcher or a '/'.
struct Piece {
    bool separator = false;
    bool escaped = false; // a literal written with a backslash
    char byte = 0;        // the literal, or '*' or '?' when not escaped
    std::optional<std::bitset<256>> set;
};

bool isAsciiLetterOrDigit(unsigned char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9');
}

/// Bytes a backslash may make literal: printable ASCII punctuation but '/', and the space.
bool isEscapable(unsigned char c) {
    return c >= ' ' && c < 0x7F && c != '/' && !isAsciiLetterOrDigit(c);
}

/// Reads a pattern into pieces, rejecting what cannot mean anything.
class PatternReader {
  public:
    explicit PatternReader(std::string_view pattern) : pattern_(pattern) {}

    std::vector<Piece> read() {
        std::vector<Piece> pieces;
        while (at_ < pattern_.size()) {
            const char c = pattern_[at_];
            Piece piece;
            if (c == '/') {
                piece.separator = true;
                ++at_;
            } else if (c == '[') {
                piece.set = readSet();
            } else {
                piece.escaped = c == '\\';
                piece.byte = piece.escaped ? readEscape(at_) : c;
                at_ += piece.escaped ? 2 : 1;
            }
            pieces.push_back(piece);
        }
        return pieces;
    }

    [[noreturn]] void fail(const std::string& why) const {
        throw GlobException("bad glob '" + std::string(pattern_) + "': " + why);
    }

  private:
    std::string byteNumber(std::size_t at) const { return std::to_string(at + 1); }

    /// The byte that the backslash at `at` makes literal.
    char readEscape(std::size_t at) const {
        if (at + 1 == pattern_.size())
            fail("it ends in a backslash, which escapes nothing");
        const char escaped = pattern_[at + 1];
        if (!isEscapable(static_cast<unsigned char>(escaped)))
            fail("the backslash at byte " + byteNumber(at) +
                 " escapes a letter, a digit, a '/' or a byte that is not printable ASCII: a "
                 "backslash makes only punctuation or a space literal ('\\*', '\\[', '\\ '), "
                 "and folders are separated with '/'");
        return escaped;
    }

    std::bitset<256> readSet() {
        const std::size_t open = at_++;
        const auto unclosed = [&] {
            fail("the '[' at byte " + byteNumber(open) +
                 " is never closed (write '\\[' for a "
                 "literal '[')");
        };
        bool negated = false;
        if (at_ < pattern_.size() && (pattern_[at_] == '!' || pattern_[at_] == '^')) {
            negated = true;
            ++at_;
        }
        std::bitset<256> members;
        for (bool first = true;; first = false) {
            if (at_ >= pattern_.size())
                unclosed();
            if (pattern_[at_] == ']' && !first) {
                ++at_;
                break;
            }
            const unsigned char low = readSetByte(open, unclosed);
            if (at_ + 1 < pattern_.size() && pattern_[at_] == '-' && pattern_[at_ + 1] != ']') {
                ++at_;
                const unsigned char high = readSetByte(open, unclosed);
                if (high < low)
                    fail("the range '" + std::string(1, static_cast<char>(low)) + "-" +
                         std::string(1, static_cast<char>(high)) +
                         "' is reversed and holds nothing: write the lower byte first");
                for (unsigned byte = low; byte <= high; ++byte)
                    members.set(byte);
            } else {
                members.set(low);
            }
        }
        return negated ? ~members : members;
    }

    /// One member byte of a set, or one end of a range.
    template <class Unclosed>
    unsigned char readSetByte(std::size_t open, const Unclosed& unclosed) {
        const char c = pattern_[at_];
        if (c == '\\') {
            if (at_ + 1 == pattern_.size())
                unclosed();
            const char escaped = readEscape(at_);
            at_ += 2;
            return static_cast<unsigned char>(escaped);
        }
        if (c == '/')
            fail("the set at byte " + byteNumber(open) +
                 " holds '/', which a set never matches: a set stands for one byte of a name");
        if (c == '[' && at_ + 1 < pattern_.size() && pattern_[at_ + 1] == ':')
            fail("character classes such as '[[:digit:]]' are not supported: write the bytes, "
                 "such as '[0-9]'");
        ++at_;
        return static_cast<unsigned char>(c);
    }

    std::string_view pattern_;
    std::size_t at_ = 0;
};

bool isStar(const Piece& piece) {
    return !piece.separator && !piece.escaped && !piece.set && piece.byte == '*';
}

bool isDot(const Piece& piece) {
    return !piece.separator && !piece.set && piece.byte == '.';
}

bool isDotName(const std::vector<Piece>& name) {
    return (name.size() == 1 && isDot(name[0])) ||
           (name.size() == 2 && isDot(name[0]) && isDot(name[1]));
}

std::vector<std::string_view> splitNames(std::string_view path) {
    std::vector<std::string_view> names;
    for (std::size_t from = 0;;) {
        const std::size_t slash = path.find('/', from);
        names.push_back(path.substr(from, slash - from));
        if (slash == std::string_view::npos)
            return names;
        from = slash + 1;
    }
}

} // namespace

Glob::Glob(std::string_view pattern) : pattern_(pattern) {
    PatternReader reader(pattern);
    if (pattern.empty())
        reader.fail("it is empty");
    if (pattern.find('\0') != std::string_view::npos)
        reader.fail("it holds a zero byte");
    if (pattern.front() == '!' || pattern.front() == '#')
        reader.fail(std::string("a leading '") + pattern.front() + "' starts a " +
                    (pattern.front() == '!' ? "negation" : "comment") +
                    " in ignore files and means nothing here: write '\\" + pattern.front() +
                    "' for a name that starts with it");

    std::vector<Piece> pieces = reader.read();
    const Piece& last = pieces.back();
    if (!last.separator && !last.set && !last.escaped && last.byte == ' ')
        reader.fail("it ends in a space, which ignore files drop: write '\\ ' for a name that "
                    "ends in a space");
    if (last.separator) {
        foldersOnly_ = true;
        pieces.pop_back();
    }
    if (!pieces.empty() && pieces.front().separator) {
        anchored_ = true;
        pieces.erase(pieces.begin());
    }
    if (pieces.empty())
        reader.fail("it names no file or folder");

    std::vector<std::vector<Piece>> names(1);
    for (const Piece& piece : pieces) {
        if (piece.separator) {
            anchored_ = true;
            names.emplace_back();
        } else {
            names.back().push_back(piece);
        }
    }
    for (const std::vector<Piece>& name : names) {
        if (name.empty())
            reader.fail("it holds an empty name ('//'), which no path has");
        if (isDotName(name))
            reader.fail("it holds a '.' or '..' name, which no path has: globs are relative to "
                        "the top folder");
        Segment segment;
        bool onlyStars = true;
        for (const Piece& piece : name) {
            onlyStars = onlyStars && isStar(piece);
            Token token;
            if (piece.set) {
                token.kind = Token::Kind::kSet;
                token.set = *piece.set;
            } else if (!piece.escaped && piece.byte == '*') {
                token.kind = Token::Kind::kAnyRun;
            } else if (!piece.escaped && piece.byte == '?') {
                token.kind = Token::Kind::kAnyByte;
            } else {
                token.kind = Token::Kind::kLiteral;
                token.byte = piece.byte;
            }
            // A run of stars matches what one star matches.
            if (token.kind != Token::Kind::kAnyRun || segment.tokens.empty() ||
                segment.tokens.back().kind != Token::Kind::kAnyRun)
                segment.tokens.push_back(token);
        }
        segment.anyNames = onlyStars && name.size() >= 2;
        segments_.push_back(std::move(segment));
    }
}

bool Glob::matches(std::string_view path, bool isFolder) const {
    if (foldersOnly_ && !isFolder)
        return false;
    const std::vector<std::string_view> names = splitNames(path);
    // A pattern of one name is matched against the last name of a path, where `**` is `*`.
    if (!anchored_)
        return matchesName(segments_.front().tokens, names.back());
    return matchesNames(names, 0, 0);
}

bool Glob::covers(std::string_view path, bool isFolder) const {
    for (std::size_t slash = path.find('/'); slash != std::string_view::npos;
         slash = path.find('/', slash + 1)) {
        if (matches(path.substr(0, slash), true))
            return true;
    }
    return matches(path, isFolder);
}

bool Glob::matchesNames(const std::vector<std::string_view>& names, std::size_t pathAt,
                        std::size_t patternAt) const {
    if (patternAt == segments_.size())
        return pathAt == names.size();
    const Segment& segment = segments_[patternAt];
    if (segment.anyNames) {
        if (patternAt + 1 == segments_.size()) // `x/**`: one name or more
            return pathAt < names.size();
        for (std::size_t next = pathAt; next <= names.size(); ++next) {
            if (matchesNames(names, next, patternAt + 1))
                return true;
        }
        return false;
    }
    return pathAt < names.size() && matchesName(segment.tokens, names[pathAt]) &&
           matchesNames(names, pathAt + 1, patternAt + 1);
}

bool Glob::matchesName(const std::vector<Token>& tokens, std::string_view name) {
    const auto matchesByte = [](const Token& token, char c) {
        switch (token.kind) {
        case Token::Kind::kLiteral:
            return token.byte == c;
        case Token::Kind::kSet:
            return token.set.test(static_cast<unsigned char>(c));
        case Token::Kind::kAnyByte:
            return true;
        case Token::Kind::kAnyRun:
            return false;
        }
        return false;
    };
    // The last star seen takes one more byte whenever what follows it fails.
    std::size_t token = 0;
    std::size_t at = 0;
    std::optional<std::size_t> starToken;
    std::size_t starAt = 0;
    while (at < name.size()) {
        if (token < tokens.size() && tokens[token].kind == Token::Kind::kAnyRun) {
            starToken = token++;
            starAt = at;
        } else if (token < tokens.size() && matchesByte(tokens[token], name[at])) {
            ++token;
            ++at;
        } else if (starToken) {
            token = *starToken + 1;
            at = ++starAt;
        } else {
            return false;
        }
    }
    while (token < tokens.size() && tokens[token].kind == Token::Kind::kAnyRun)
        ++token;
    return token == tokens.size();
}

} // namespace scan::config
