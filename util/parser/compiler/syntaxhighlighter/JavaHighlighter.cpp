#include "util/parser/compiler/syntaxhighlighter/JavaHighlighter.h"

#include "util/parser/compiler/syntaxhighlighter/CharKind.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <string_view>
#include <vector>

namespace util::parser::compiler::syntaxhighlighter {
namespace {

constexpr char kCode = static_cast<char>(CharKind::Code);
constexpr char kKeyword = static_cast<char>(CharKind::Keyword);
constexpr char kBlockComment = static_cast<char>(CharKind::BlockComment);
constexpr char kLineComment = static_cast<char>(CharKind::LineComment);
constexpr char kCharLiteral = static_cast<char>(CharKind::CharLiteral);
constexpr char kStringLiteral = static_cast<char>(CharKind::StringLiteral);
constexpr char kStringQuote = static_cast<char>(CharKind::StringQuote);

const char* const kKeywords[] = {
    "abstract",   "boolean",   "break",      "byte",      "case",         "catch",  "char",
    "class",      "const",     "continue",   "default",   "do",           "double", "else",
    "extends",    "final",     "finally",    "float",     "for",          "goto",   "if",
    "implements", "import",    "instanceof", "int",       "interface",    "long",   "native",
    "new",        "package",   "private",    "protected", "public",       "return", "short",
    "static",     "strictfp",  "super",      "switch",    "synchronized", "this",   "throw",
    "throws",     "transient", "try",        "void",      "volatile",     "while"};

/// The keywords by their first letter, for a quick look-up of a whole word.
class KeywordTable {
  public:
    KeywordTable() {
        for (const char* keyword : kKeywords)
            byFirstLetter_[static_cast<unsigned char>(keyword[0]) - 'a'].emplace_back(keyword);
    }
    bool contains(std::string_view word) const {
        const auto first = static_cast<unsigned char>(word[0]);
        if (first < 'a' || first > 'z')
            return false;
        // Called for every word of the source: compare lengths first, then bytes inline.
        for (const std::string_view keyword : byFirstLetter_[first - 'a']) {
            if (keyword.size() != word.size())
                continue;
            std::size_t i = 1;
            while (i < word.size() && keyword[i] == word[i])
                ++i;
            if (i == word.size())
                return true;
        }
        return false;
    }

  private:
    std::array<std::vector<std::string_view>, 26> byFirstLetter_;
};

bool opensConstruct(char c) {
    return c == '/' || c == '\'' || c == '"';
}

void mark(std::string& result, std::size_t from, std::size_t to, char kind) {
    std::fill(result.begin() + static_cast<std::ptrdiff_t>(from),
              result.begin() + static_cast<std::ptrdiff_t>(to), kind);
}

std::size_t find(const std::string& s, char c, std::size_t from) {
    const std::size_t at = from < s.size() ? s.find(c, from) : std::string::npos;
    return at == std::string::npos ? s.size() : at;
}

/// From the byte after "//": the comment runs to the line feed, which stays code.
std::size_t lineComment(const std::string& s, std::string& result, std::size_t slash) {
    const std::size_t lineFeed = find(s, '\n', slash + 2);
    mark(result, slash, lineFeed, kLineComment);
    return lineFeed + 1;
}

/// From the slash of "/*": the comment ends at the first slash after a star that is not the
/// star of its opener.
std::size_t blockComment(const std::string& s, std::string& result, std::size_t slash) {
    std::size_t i = slash + 2;
    for (;;) {
        const std::size_t star = find(s, '*', i);
        std::size_t after = star;
        while (after < s.size() && s[after] == '*')
            ++after;
        if (after >= s.size()) {
            mark(result, slash, s.size(), kBlockComment);
            return s.size();
        }
        if (s[after] == '/') {
            mark(result, slash, after + 1, kBlockComment);
            return after + 1;
        }
        i = after + 1;
    }
}

/// From the byte after the opening quote: a backslash takes the next byte, whatever it is.
std::size_t charLiteral(const std::string& s, std::string& result, std::size_t from) {
    std::size_t i = from;
    while (i < s.size() && s[i] != '\'')
        i += s[i] == '\\' ? 2 : 1;
    const std::size_t end = std::min(i + 1, s.size());
    mark(result, from, end, kCharLiteral);
    return end;
}

/// From the byte after the opening quote: content up to the closing quote, which is a quote.
std::size_t stringLiteral(const std::string& s, std::string& result, std::size_t from) {
    std::size_t i = from;
    while (i < s.size() && s[i] != '"')
        i += s[i] == '\\' ? 2 : 1;
    mark(result, from, std::min(i, s.size()), kStringLiteral);
    if (i >= s.size())
        return s.size();
    result[i] = kStringQuote;
    return i + 1;
}

/// Comments and literals. A byte after a lone slash is never looked at again as code: only
/// a second slash, a star or a quote there opens something.
void scanConstructs(const std::string& s, std::string& result) {
    const std::size_t n = s.size();
    std::size_t i = 0;
    while (i < n) {
        while (i < n && !opensConstruct(s[i]))
            ++i;
        if (i == n)
            return;
        if (s[i] == '\'') {
            result[i] = kCharLiteral;
            i = charLiteral(s, result, i + 1);
        } else if (s[i] == '"') {
            result[i] = kStringQuote;
            i = stringLiteral(s, result, i + 1);
        } else if (i + 1 == n) {
            return; // a slash at the end is code
        } else if (s[i + 1] == '/') {
            i = lineComment(s, result, i);
        } else if (s[i + 1] == '*') {
            i = blockComment(s, result, i);
        } else if (s[i + 1] == '\'') {
            result[i + 1] = kCharLiteral;
            i = charLiteral(s, result, i + 2);
        } else if (s[i + 1] == '"') {
            result[i + 1] = kStringLiteral; // this opening quote counts as content
            i = stringLiteral(s, result, i + 2);
        } else {
            i += 2;
        }
    }
}

bool isSeparator(char c) {
    return c == ' ' || c == '\t' || c == '\n';
}

/// A keyword is marked when it stands between space, tab, line feed, a byte that is not
/// code, or an end of the text: that is, when it is a whole run of code bytes that holds no
/// separator. (Two keywords that touch are never marked, so marking one never frees another.)
void markKeywords(const std::string& s, std::string& result) {
    static const KeywordTable keywords;
    const std::size_t n = s.size();
    std::size_t i = 0;
    while (i < n) {
        if (result[i] != kCode || isSeparator(s[i])) {
            ++i;
            continue;
        }
        std::size_t end = i + 1;
        while (end < n && result[end] == kCode && !isSeparator(s[end]))
            ++end;
        const std::size_t length = end - i;
        if (length >= 2 && length <= 12 && keywords.contains(std::string_view(&s[i], length)))
            mark(result, i, end, kKeyword);
        i = end;
    }
}

} // namespace

std::string JavaHighlighter::highlight(const std::string& source, const std::string&) const {
    std::string result(source.size(), kCode);
    scanConstructs(source, result);
    markKeywords(source, result);
    return result;
}

} // namespace util::parser::compiler::syntaxhighlighter
