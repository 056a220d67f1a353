#pragma once

#include "exceptions/Exception.h"

#include <bitset>
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace scan::config {

/// A pattern that cannot mean anything; the message quotes the pattern and says why.
class GlobException : public exceptions::RuntimeException {
  public:
    using RuntimeException::RuntimeException;
    const std::string& getMessage() const override { return storedMessage(); }
};

/// A pattern in the style of ignore files, matched against paths relative to a top folder:
/// names joined by single '/', with no '/' at either end and no "." or ".." names.
///
/// - `*` matches any run of bytes within one name, `?` one byte, `[a-z]`, `[!x]` and `[^x]`
///   one byte of (or not of) a set; a backslash makes the byte after it literal.
/// - A name of two or more stars, `**`, matches any number of whole names: zero or more at
///   the start (`**/x`) or in the middle (`a/**/b`), one or more at the end (`x/**`).
/// - A pattern with a '/' at its start or in its middle is matched from the top folder (a
///   leading '/' only says so); one without matches the last name of a path at any depth.
/// - A trailing '/' matches folders only.
///
/// Rejected, each with a GlobException: an empty pattern or one of '/' alone; a zero byte; a
/// leading '!' or '#' (a negation and a comment in ignore files: write `\!`, `\#`); a trailing
/// space (ignore files drop it: write `\ `); an empty name (`a//b`), or a "." or ".." name,
/// which no path holds; a backslash at the end, or before a letter, a digit or '/' (most
/// likely a Windows separator), or before a byte that is not printable ASCII; an unclosed
/// '['; a set holding '/'; a character class (`[[:digit:]]`); a range whose ends are
/// reversed (`[z-a]`).
class Glob {
  public:
    /// Compiles a pattern; throws GlobException when it cannot mean anything.
    explicit Glob(std::string_view pattern);

    const std::string& pattern() const { return pattern_; }

    /// Whether the pattern matches this file or folder itself. A file inside a folder that
    /// the pattern matches is not matched by this test (`build/` matches the folder "build"
    /// but not the file "build/A.java"): a walk that stops at matched folders needs no more;
    /// `covers` answers for the file.
    bool matches(std::string_view path, bool isFolder) const;

    /// Whether the pattern matches this file or folder, or any folder that holds it: what
    /// ignore files mean by a path being excluded ("build/A.java" is covered by `build/`).
    bool covers(std::string_view path, bool isFolder) const;

  private:
    /// One byte of a name: a literal, any byte (`?`), any run (`*`), or a set.
    struct Token {
        enum class Kind { kLiteral, kAnyByte, kAnyRun, kSet } kind;
        char byte = 0;
        std::bitset<256> set;
    };
    /// One name of the pattern; `anyNames` for `**`.
    struct Segment {
        bool anyNames = false;
        std::vector<Token> tokens;
    };

    bool matchesNames(const std::vector<std::string_view>& names, std::size_t pathAt,
                      std::size_t patternAt) const;
    static bool matchesName(const std::vector<Token>& tokens, std::string_view name);

    std::string pattern_;
    bool anchored_ = false;
    bool foldersOnly_ = false;
    std::vector<Segment> segments_;
};

} // namespace scan::config
