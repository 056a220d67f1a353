#include "util/parser/compiler/syntaxhighlighter/JavaHighlighter.h"

#include "util/parser/compiler/syntaxhighlighter/CharKind.h"
#include "util/parser/compiler/syntaxhighlighter/JavaConstructScan.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <string_view>
#include <vector>

namespace util::parser::compiler::syntaxhighlighter {
namespace {

constexpr char kCode = static_cast<char>(CharKind::Code);
constexpr char kKeyword = static_cast<char>(CharKind::Keyword);

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

/// Highlight data: each construct's kind over its bytes.
class HighlightMarker {
  public:
    explicit HighlightMarker(std::string& result) : result_(result) {}
    void mark(std::size_t from, std::size_t to, CharKind kind) {
        std::memset(&result_[from], static_cast<char>(kind), to - from);
    }

  private:
    std::string& result_;
};

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
            std::memset(&result[i], kKeyword, length);
        i = end;
    }
}

} // namespace

std::string JavaHighlighter::highlight(const std::string& source, const std::string&) const {
    std::string result(source.size(), kCode);
    HighlightMarker marker(result);
    scanJavaConstructs(source, marker);
    markKeywords(source, result);
    return result;
}

} // namespace util::parser::compiler::syntaxhighlighter
