#include "util/parser/compiler/syntaxhighlighter/JavaHighlighter.h"

#include "util/parser/compiler/syntaxhighlighter/CharKind.h"

namespace util::parser::compiler::syntaxhighlighter {
namespace {

const char* const kKeywords[] = {
    "abstract",   "boolean",   "break",      "byte",      "case",         "catch",  "char",
    "class",      "const",     "continue",   "default",   "do",           "double", "else",
    "extends",    "final",     "finally",    "float",     "for",          "goto",   "if",
    "implements", "import",    "instanceof", "int",       "interface",    "long",   "native",
    "new",        "package",   "private",    "protected", "public",       "return", "short",
    "static",     "strictfp",  "super",      "switch",    "synchronized", "this",   "throw",
    "throws",     "transient", "try",        "void",      "volatile",     "while"};

enum class State {
    Code,
    AfterSlash,
    BlockComment,
    BlockCommentStar,
    LineComment,
    CharLiteral,
    CharEscape,
    StringLiteral,
    StringEscape
};

char kind(CharKind k) {
    return static_cast<char>(k);
}

void scanConstructs(const std::string& source, std::string& result) {
    State state = State::Code;
    for (std::size_t i = 0; i < source.size(); ++i) {
        const char c = source[i];
        switch (state) {
        case State::Code:
            if (c == '/') {
                result[i] = kind(CharKind::Code);
                state = State::AfterSlash;
            } else if (c == '\'') {
                result[i] = kind(CharKind::CharLiteral);
                state = State::CharLiteral;
            } else if (c == '"') {
                result[i] = kind(CharKind::StringQuote);
                state = State::StringLiteral;
            } else {
                result[i] = kind(CharKind::Code);
            }
            break;
        case State::AfterSlash:
            // The slash before is only now known to open a comment or not.
            if (c == '/') {
                result[i - 1] = result[i] = kind(CharKind::LineComment);
                state = State::LineComment;
            } else if (c == '*') {
                result[i - 1] = result[i] = kind(CharKind::BlockComment);
                state = State::BlockComment;
            } else if (c == '\'') {
                result[i - 1] = kind(CharKind::Code);
                result[i] = kind(CharKind::CharLiteral);
                state = State::CharLiteral;
            } else if (c == '"') {
                // This opening quote is marked as content, not as a quote.
                result[i - 1] = kind(CharKind::Code);
                result[i] = kind(CharKind::StringLiteral);
                state = State::StringLiteral;
            } else {
                result[i - 1] = result[i] = kind(CharKind::Code);
                state = State::Code;
            }
            break;
        case State::BlockComment:
            result[i] = kind(CharKind::BlockComment);
            if (c == '*')
                state = State::BlockCommentStar;
            break;
        case State::BlockCommentStar:
            result[i] = kind(CharKind::BlockComment);
            if (c == '/')
                state = State::Code;
            else if (c != '*')
                state = State::BlockComment;
            break;
        case State::LineComment:
            if (c == '\n') {
                result[i] = kind(CharKind::Code);
                state = State::Code;
            } else {
                result[i] = kind(CharKind::LineComment);
            }
            break;
        case State::CharLiteral:
            result[i] = kind(CharKind::CharLiteral);
            if (c == '\'')
                state = State::Code;
            else if (c == '\\')
                state = State::CharEscape;
            break;
        case State::CharEscape:
            result[i] = kind(CharKind::CharLiteral);
            state = State::CharLiteral;
            break;
        case State::StringLiteral:
            if (c == '"') {
                result[i] = kind(CharKind::StringQuote);
                state = State::Code;
            } else {
                result[i] = kind(CharKind::StringLiteral);
                if (c == '\\')
                    state = State::StringEscape;
            }
            break;
        case State::StringEscape:
            result[i] = kind(CharKind::StringLiteral);
            state = State::StringLiteral;
            break;
        }
    }
}

bool isSeparator(char c) {
    return c == ' ' || c == '\t' || c == '\n';
}

bool allCode(const std::string& result, std::size_t from, std::size_t length) {
    for (std::size_t i = from; i < from + length; ++i) {
        if (result[i] != kind(CharKind::Code))
            return false;
    }
    return true;
}

void markKeywords(const std::string& source, std::string& result) {
    for (const char* keyword : kKeywords) {
        const std::string word(keyword);
        for (std::size_t p = source.find(word); p != std::string::npos;
             p = source.find(word, p + word.size())) {
            const std::size_t end = p + word.size();
            const bool startsFree =
                p == 0 || isSeparator(source[p - 1]) || result[p - 1] != kind(CharKind::Code);
            const bool endsFree = end == source.size() || isSeparator(source[end]) ||
                                  result[end] != kind(CharKind::Code);
            if (startsFree && endsFree && allCode(result, p, word.size()))
                result.replace(p, word.size(), word.size(), kind(CharKind::Keyword));
        }
    }
}

} // namespace

std::string JavaHighlighter::highlight(const std::string& source, const std::string&) const {
    std::string result(source.size(), kind(CharKind::Code));
    scanConstructs(source, result);
    markKeywords(source, result);
    return result;
}

} // namespace util::parser::compiler::syntaxhighlighter
