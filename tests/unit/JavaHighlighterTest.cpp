#include "util/parser/compiler/syntaxhighlighter/JavaHighlighter.h"

#include "util/parser/compiler/syntaxhighlighter/CharKind.h"
#include "util/parser/compiler/syntaxhighlighter/CodeTypeNotSupportedException.h"
#include "util/parser/compiler/syntaxhighlighter/SyntaxHighlighter.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

using util::parser::compiler::syntaxhighlighter::CharKind;
using util::parser::compiler::syntaxhighlighter::CodeTypeNotSupportedException;
using util::parser::compiler::syntaxhighlighter::createHighlighter;
using util::parser::compiler::syntaxhighlighter::JavaHighlighter;

namespace {

/// The highlight data written as one digit per source byte, so that tables stay readable.
std::string kindDigits(const std::string& source) {
    const std::string data = JavaHighlighter().highlight(source, "");
    std::string digits;
    for (const char kind : data)
        digits += static_cast<char>('0' + static_cast<unsigned char>(kind));
    return digits;
}

/// The kinds of the first occurrence of a piece of the source, as digits.
std::string kindDigitsOf(const std::string& source, const std::string& piece) {
    const std::size_t at = source.find(piece);
    if (at == std::string::npos)
        return "piece not in source";
    return kindDigits(source).substr(at, piece.size());
}

struct KindCase {
    const char* what;
    std::string source;
    std::string kinds;
};

void expectKinds(const std::vector<KindCase>& cases) {
    for (const KindCase& c : cases) {
        ASSERT_EQ(c.source.size(), c.kinds.size()) << "bad table row: " << c.what;
        EXPECT_EQ(kindDigits(c.source), c.kinds) << c.what;
    }
}

TEST(JavaHighlighter, CommentsAndTheBytesAroundASlash) {
    expectKinds({
        {"empty source", "", ""},
        {"a lone slash is code", "a/b", "000"},
        {"a slash at the end of the text", "a/", "00"},
        {"line comment; its line feed is code", "a//x\nb", "033300"},
        {"shortest block comment", "/**/x", "22220"},
        {"slash star slash does not close", "/*/x", "2222"},
        {"stars before the closing slash", "/***/x", "222220"},
        {"unclosed block comment runs to the end", "x /* a\nb", "00222222"},
        {"carriage return inside a line comment", "// c\r\nx", "3333300"},
        {"quotes inside a block comment open nothing", "/*'\"*/x", "2222220"},
        {"a documentation comment is a block comment", "/** @a */", "222222222"},
    });
}

TEST(JavaHighlighter, LiteralsAndEscapes) {
    expectKinds({
        {"string after a slash opens with content kind", "x/\"y\"", "00556"},
        {"character literal after a slash", "/'a'", "0444"},
        {"escaped single quote", "'\\''", "4444"},
        {"escaped double quote", "\"a\\\"b\"", "655556"},
        {"escaped backslash closes normally", "\"\\\\\"x", "65560"},
        {"double quote inside a character literal", "'\"'x", "4440"},
        {"single quote inside a string", "\"'\"x", "6560"},
        {"comment opener inside a string", "\"/*\"x", "65560"},
        {"string runs over a line feed", "\"a\nb\"", "65556"},
        {"unclosed string runs to the end", "\"ab", "655"},
        {"unclosed character literal runs to the end", "'ab\n", "4444"},
        {"backslash at the very end of a string", "\"a\\", "655"},
        {"empty string", "\"\"", "66"},
    });
}

TEST(JavaHighlighter, KeywordsNeedSpaceTabOrLineFeedOrNonCodeAroundThem) {
    expectKinds({
        {"declaration", "int x;", "111000"},
        {"keyword alone", "int", "111"},
        {"keyword before a semicolon", "int;", "0000"},
        {"keyword in a cast", "(int)", "00000"},
        {"only the whole word of interface", " interface", "0111111111"},
        {"shorter keyword refused inside a longer one", "interface int", "1111111110111"},
        {"do is not marked inside double", "double x", "11111100"},
        {"final is not marked inside finally", "finally\n", "11111110"},
        {"tabs separate", "a\tint\tb", "0011100"},
        {"underscore and digit touch the word", "_int 2int", "000000000"},
        {"if before its parenthesis", "if(x)", "00000"},
        {"else at a carriage-return line end", "else\r\n", "000000"},
        {"return before a string literal", "return\"a\"", "111111656"},
        {"keyword right after a block comment", "/**/int", "2222111"},
        {"keyword inside a line comment", "// int", "333333"},
        {"keyword inside a string", "\"int\"", "65556"},
        {"true, false, null and assert are no keywords", "true false null assert",
         "0000000000000000000000"},
        {"case matters", "Int INT", "0000000"},
    });
}

TEST(JavaHighlighter, RealLookingJava) {
    const std::string source = "package p;\r\n"
                               "\r\n"
                               "/** @author x */\r\n"
                               "public final class A {\r\n"
                               "    private char quote = '\"';\r\n"
                               "    // if (x) return \"s\";\r\n"
                               "    String s = \"/* not a comment */\";\r\n"
                               "    public int size() {\r\n"
                               "        return count; /* done */\r\n"
                               "    }\r\n"
                               "}\r\n";
    EXPECT_EQ(kindDigitsOf(source, "package p;"), "1111111000");
    EXPECT_EQ(kindDigitsOf(source, "public final class A {\r"), "11111101111101111100000");
    EXPECT_EQ(kindDigitsOf(source, "'\"';"), "4440");
    EXPECT_EQ(kindDigitsOf(source, "// if (x) return \"s\";\r\n"), std::string(22, '3') + "0");
    EXPECT_EQ(kindDigitsOf(source, "\"/* not a comment */\";"), "6" + std::string(19, '5') + "60");
    EXPECT_EQ(kindDigitsOf(source, "public int size() {"), "1111110111000000000");
    EXPECT_EQ(kindDigitsOf(source, "return count; /* done */\r"), "1111110000000022222222220");
}

TEST(JavaHighlighter, AnyBytesGiveKindsZeroToSixAtTheSourceLength) {
    std::string source;
    for (int round = 0; round < 3; ++round) {
        for (int byte = 0; byte < 256; ++byte)
            source += static_cast<char>(byte);
        source += "/*'\"//\n*/\\\"int if ";
    }
    const std::string data = JavaHighlighter().highlight(source, "options are ignored");
    ASSERT_EQ(data.size(), source.size());
    for (const char kind : data)
        EXPECT_LE(static_cast<unsigned char>(kind),
                  static_cast<unsigned char>(CharKind::StringQuote));
}

/// The classifier written the plain way, byte by byte through the scan table and then one
/// substring search per keyword, to check the fast one against.
std::string referenceHighlight(const std::string& s) {
    enum State { Code, AfterSlash, Block, BlockStar, Line, Char, CharEsc, Str, StrEsc };
    std::string r(s.size(), 0);
    State st = Code;
    for (std::size_t i = 0; i < s.size(); ++i) {
        const char c = s[i];
        switch (st) {
        case Code:
            r[i] = c == '\'' ? 4 : c == '"' ? 6 : 0;
            st = c == '/' ? AfterSlash : c == '\'' ? Char : c == '"' ? Str : Code;
            break;
        case AfterSlash:
            if (c == '/') {
                r[i] = r[i - 1] = 3;
                st = Line;
            } else if (c == '*') {
                r[i] = r[i - 1] = 2;
                st = Block;
            } else {
                r[i - 1] = 0;
                r[i] = c == '\'' ? 4 : c == '"' ? 5 : 0;
                st = c == '\'' ? Char : c == '"' ? Str : Code;
            }
            break;
        case Block:
            r[i] = 2;
            st = c == '*' ? BlockStar : Block;
            break;
        case BlockStar:
            r[i] = 2;
            st = c == '/' ? Code : c == '*' ? BlockStar : Block;
            break;
        case Line:
            r[i] = c == '\n' ? 0 : 3;
            st = c == '\n' ? Code : Line;
            break;
        case Char:
            r[i] = 4;
            st = c == '\'' ? Code : c == '\\' ? CharEsc : Char;
            break;
        case CharEsc:
            r[i] = 4;
            st = Char;
            break;
        case Str:
            r[i] = c == '"' ? 6 : 5;
            st = c == '"' ? Code : c == '\\' ? StrEsc : Str;
            break;
        case StrEsc:
            r[i] = 5;
            st = Str;
            break;
        }
    }
    static const char* const keywords[] = {
        "abstract",   "boolean",   "break",      "byte",      "case",         "catch",  "char",
        "class",      "const",     "continue",   "default",   "do",           "double", "else",
        "extends",    "final",     "finally",    "float",     "for",          "goto",   "if",
        "implements", "import",    "instanceof", "int",       "interface",    "long",   "native",
        "new",        "package",   "private",    "protected", "public",       "return", "short",
        "static",     "strictfp",  "super",      "switch",    "synchronized", "this",   "throw",
        "throws",     "transient", "try",        "void",      "volatile",     "while"};
    const auto free = [&](std::size_t at) {
        return at >= s.size() || s[at] == ' ' || s[at] == '\t' || s[at] == '\n' || r[at] != 0;
    };
    for (const std::string word : keywords) {
        for (std::size_t p = s.find(word); p != std::string::npos;
             p = s.find(word, p + word.size())) {
            bool code = true;
            for (std::size_t k = p; k < p + word.size(); ++k)
                code = code && r[k] == 0;
            if (code && (p == 0 || free(p - 1)) && free(p + word.size()))
                std::fill(r.begin() + p, r.begin() + p + word.size(), 1);
        }
    }
    return r;
}

TEST(JavaHighlighter, AgreesWithTheBytewiseClassifierOnRandomJavaLikeText) {
    static const std::string pieces[] = {"int",
                                         "if",
                                         "do",
                                         "double",
                                         "class",
                                         "final",
                                         "finally",
                                         "interface",
                                         "return",
                                         "switch",
                                         "case",
                                         "x",
                                         "_",
                                         "9",
                                         " ",
                                         "  ",
                                         "\t",
                                         "\n",
                                         "\r\n",
                                         "\r",
                                         "/",
                                         "//",
                                         "/*",
                                         "*/",
                                         "*",
                                         "**",
                                         "'",
                                         "\"",
                                         "\\",
                                         "(",
                                         ")",
                                         "{",
                                         "}",
                                         ";",
                                         ".",
                                         "\xe9",
                                         std::string("\0", 1)};
    std::mt19937 random(20261208);
    std::uniform_int_distribution<std::size_t> pick(0, std::size(pieces) - 1);
    for (int round = 0; round < 3000; ++round) {
        std::string source;
        const int length = round % 60;
        for (int k = 0; k < length; ++k)
            source += pieces[pick(random)];
        if (round % 7 == 0)
            source += std::string(1, '\0');
        ASSERT_EQ(JavaHighlighter().highlight(source, ""), referenceHighlight(source))
            << "source: " << testing::PrintToString(source);
    }
}

TEST(CreateHighlighter, OnlyTheExactCodeTypeJava) {
    const auto highlighter = createHighlighter("java");
    ASSERT_NE(highlighter, nullptr);
    EXPECT_EQ(highlighter->highlight("int x; // c", ""),
              JavaHighlighter().highlight("int x; // c", ""));

    for (const std::string codeType : {"Java", "JAVA", "java ", " java", "", "cpp"}) {
        try {
            createHighlighter(codeType);
            ADD_FAILURE() << "accepted '" << codeType << "'";
        } catch (const CodeTypeNotSupportedException& e) {
            EXPECT_EQ(e.getMessage(), codeType + " is not supported.");
        }
    }
}

} // namespace
