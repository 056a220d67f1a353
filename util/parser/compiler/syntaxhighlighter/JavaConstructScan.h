#pragma once

#include "util/ByteScan.h"
#include "util/parser/compiler/syntaxhighlighter/CharKind.h"

#include <algorithm>
#include <cstring>
#include <string>

namespace util::parser::compiler::syntaxhighlighter {

/// The comments and literals of a Java text, in one scan from the start. The scan tells
/// `marker` which bytes belong to which construct through `marker.mark(from, to, kind)`;
/// bytes it does not mark are code. A byte after a lone slash is never looked at again as
/// code: only a second slash, a star or a quote there opens something.
///
/// Both the highlighter and the view builder run this scan, so that the views always agree
/// with the highlight data.
template <class Marker> class JavaConstructScan {
  public:
    JavaConstructScan(const std::string& source, Marker& marker)
        : source_(source), s_(source.data()), n_(source.size()), marker_(marker) {}

    void run() {
        std::size_t i = 0;
        while (i < n_) {
            i = nextOpener(i);
            if (i == n_)
                return;
            if (s_[i] == '\'') {
                marker_.mark(i, i + 1, CharKind::CharLiteral);
                i = charLiteral(i + 1);
            } else if (s_[i] == '"') {
                marker_.mark(i, i + 1, CharKind::StringQuote);
                i = stringLiteral(i + 1);
            } else if (i + 1 == n_) {
                return; // a slash at the end is code
            } else if (s_[i + 1] == '/') {
                i = lineComment(i);
            } else if (s_[i + 1] == '*') {
                i = blockComment(i);
            } else if (s_[i + 1] == '\'') {
                marker_.mark(i + 1, i + 2, CharKind::CharLiteral);
                i = charLiteral(i + 2);
            } else if (s_[i + 1] == '"') {
                // This opening quote counts as string content.
                marker_.mark(i + 1, i + 2, CharKind::StringLiteral);
                i = stringLiteral(i + 2);
            } else {
                i += 2;
            }
        }
    }

  private:
    std::size_t nextOpener(std::size_t i) const {
        return std::min(util::findByteOf(source_, '/', '\'', '"', i), n_);
    }

    std::size_t find(char c, std::size_t from) const {
        if (from >= n_)
            return n_;
        const void* at = std::memchr(s_ + from, c, n_ - from);
        return at ? static_cast<std::size_t>(static_cast<const char*>(at) - s_) : n_;
    }

    /// From the slash of "//": the comment runs to the line feed, which stays code.
    std::size_t lineComment(std::size_t slash) {
        const std::size_t lineFeed = find('\n', slash + 2);
        marker_.mark(slash, lineFeed, CharKind::LineComment);
        return lineFeed + 1;
    }

    /// From the slash of "/*": the comment ends at the first slash after a star that is not
    /// the star of its opener.
    std::size_t blockComment(std::size_t slash) {
        std::size_t i = slash + 2;
        for (;;) {
            std::size_t after = find('*', i);
            while (after < n_ && s_[after] == '*')
                ++after;
            if (after >= n_) {
                marker_.mark(slash, n_, CharKind::BlockComment);
                return n_;
            }
            if (s_[after] == '/') {
                marker_.mark(slash, after + 1, CharKind::BlockComment);
                return after + 1;
            }
            i = after + 1;
        }
    }

    /// From the byte after the opening quote: a backslash takes the next byte, whatever it is.
    std::size_t charLiteral(std::size_t from) {
        const std::size_t i = literalEnd(from, '\'');
        const std::size_t end = i < n_ ? i + 1 : n_;
        marker_.mark(from, end, CharKind::CharLiteral);
        return end;
    }

    /// From the byte after the opening quote: content up to the closing quote, which is a
    /// quote.
    std::size_t stringLiteral(std::size_t from) {
        const std::size_t i = literalEnd(from, '"');
        marker_.mark(from, i < n_ ? i : n_, CharKind::StringLiteral);
        if (i >= n_)
            return n_;
        marker_.mark(i, i + 1, CharKind::StringQuote);
        return i + 1;
    }

    /// The closing quote, or a position at or past the end when there is none.
    std::size_t literalEnd(std::size_t i, char quote) const {
        while (i < n_) {
            i = std::min(util::findByteOf(source_, quote, '\\', i), n_);
            if (i == n_ || s_[i] == quote)
                return i;
            i += 2; // a backslash takes the next byte
        }
        return i;
    }

    const std::string& source_;
    const char* s_;
    std::size_t n_;
    Marker& marker_;
};

template <class Marker> void scanJavaConstructs(const std::string& source, Marker& marker) {
    JavaConstructScan<Marker>(source, marker).run();
}

} // namespace util::parser::compiler::syntaxhighlighter
