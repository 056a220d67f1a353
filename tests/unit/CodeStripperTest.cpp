#include "util/parser/compiler/syntaxhighlighter/CodeStripper.h"

#include "util/StringHelper.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

using util::parser::compiler::syntaxhighlighter::CodeStripper;

namespace {

/// One source and its four views; the code view is the run's, with comments as carriage returns.
struct ViewCase {
    const char* what;
    std::string source;
    std::string code;
    std::string comments;
    std::string config;
    std::string allComments;
};

TEST(CodeStripper, FourViewsOfTheSameSource) {
    const std::vector<ViewCase> cases = {
        {"empty text", "", "", "", "", ""},
        {"block comment between code", "x /*a*/\ny", "x \r\r\r\r\r\ny", "  /*a*/\n ", "x      \ny",
         "  /*a*/\n "},
        {"line comment ended by CR LF", "a // c\r\nb", "a \r\r\r\r\r\nb", "       \n ",
         "a      \nb", "  // c\r\n "},
        {"string literal", "s=\"abc\";", "s=\"   \";", "        ", "s=     ;", "        "},
        {"character literal", "c='x';", "c=   ;", "      ", "c='x';", "      "},
        {"keywords stay where code stays", "int i;", "int i;", "      ", "int i;", "      "},
        {"carriage return in code", "a\rb", "a\rb", "   ", "a\rb", "   "},
        {"string over a line feed keeps the line feed", "\"a\nb\"", "\" \n \"", "  \n  ", "  \n  ",
         "  \n  "},
        {"documentation comment", "/** @author x */", std::string(16, '\r'), "/** @author x */",
         std::string(16, ' '), "/** @author x */"},
    };
    for (const ViewCase& c : cases) {
        EXPECT_EQ(CodeStripper::makeCodeView(c.source, '\r'), c.code) << c.what;
        EXPECT_EQ(CodeStripper::makeCommentView(c.source), c.comments) << c.what;
        EXPECT_EQ(CodeStripper::makeConfigView(c.source), c.config) << c.what;
        EXPECT_EQ(CodeStripper::makeAllCommentsView(c.source), c.allComments) << c.what;
    }
}

TEST(CodeStripper, CommentFillIsTheCallersByte) {
    EXPECT_EQ(CodeStripper::makeCodeView("a/*b*/c//d\ne", ' '), "a     c   \ne");
    // A fill above 127 must fill, not be mistaken for "leave the byte alone".
    EXPECT_EQ(CodeStripper::makeCodeView("a/*b*/c", '\xFF'), "a\xFF\xFF\xFF\xFF\xFF"
                                                             "c");
    EXPECT_EQ(CodeStripper::makeCodeView("a/*b*/c", '\0'), std::string("a\0\0\0\0\0c", 7));
}

TEST(CodeStripper, LineNumbersAfterAThreeLineCommentAreTheSourcesInEveryView) {
    const std::string source = "/*a\nb\nc*/ x(\"q\\\nr\");// d\r\nend";
    const std::size_t end = source.find("end");
    const std::vector<std::string> views = {
        CodeStripper::makeCodeView(source, '\r'), CodeStripper::makeCommentView(source),
        CodeStripper::makeConfigView(source), CodeStripper::makeAllCommentsView(source)};
    for (const std::string& view : views) {
        ASSERT_EQ(view.size(), source.size());
        EXPECT_EQ(util::lineNumberAt(view, end), 5);
        for (std::size_t i = 0; i < source.size(); ++i) {
            if (source[i] == '\n') {
                EXPECT_EQ(view[i], '\n') << "line feed at " << i;
            }
        }
    }
}

TEST(CodeStripper, TheSourceIsNotChanged) {
    const std::string source = "int x; /* c */ \"s\"";
    const std::string copy = source;
    CodeStripper::makeCodeView(source, '\r');
    CodeStripper::makeCommentView(source);
    CodeStripper::makeConfigView(source);
    CodeStripper::makeAllCommentsView(source);
    EXPECT_EQ(source, copy);
}

} // namespace

namespace {

TEST(CodeStripper, BothViewsFromOneClassificationAreTheSingleViewsOnRandomText) {
    using util::parser::compiler::syntaxhighlighter::CodeStripper;
    static const std::string pieces[] = {"/*",
                                         "*/",
                                         "//",
                                         "\n",
                                         "\r",
                                         "'",
                                         "\"",
                                         "\\",
                                         "x",
                                         " ",
                                         "int",
                                         "\xff",
                                         std::string(1, '\0'),
                                         "\t"};
    std::mt19937 random(3);
    for (int round = 0; round < 2000; ++round) {
        std::string source;
        for (int k = 0; k < round % 40; ++k)
            source += pieces[random() % std::size(pieces)];
        const auto views = CodeStripper::makeCodeAndCommentViews(source, '\r');
        ASSERT_EQ(views.code, CodeStripper::makeCodeView(source, '\r')) << source;
        ASSERT_EQ(views.comments, CodeStripper::makeCommentView(source)) << source;
    }
}

TEST(CodeStripper, BothViewsFromOneClassificationAreTheSingleViews) {
    using util::parser::compiler::syntaxhighlighter::CodeStripper;
    for (const std::string& source :
         {std::string(""), std::string("x /*a*/\ny"), std::string("a // c\r\n\"s\" 'c' /** d */"),
          std::string("/* unclosed \n 'x' \"y\"")}) {
        const auto views = CodeStripper::makeCodeAndCommentViews(source, '\r');
        EXPECT_EQ(views.code, CodeStripper::makeCodeView(source, '\r'));
        EXPECT_EQ(views.comments, CodeStripper::makeCommentView(source));
    }
}

} // namespace
