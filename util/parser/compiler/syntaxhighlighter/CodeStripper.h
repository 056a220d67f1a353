#pragma once

#include <string>

namespace util::parser::compiler::syntaxhighlighter {

/// Views of a Java text with the same length and the same line feeds as the text, in which
/// the bytes of some constructs are replaced. Each builder classifies the text itself.
class CodeStripper {
  public:
    /// Comments become the fill byte; character literals and string contents become spaces;
    /// code, keywords and string quotes stay.
    static std::string makeCodeView(const std::string& source, char commentFill);
    /// Only block comments stay; everything else becomes spaces.
    static std::string makeCommentView(const std::string& source);
    /// Comments and string literals, quotes included, become spaces.
    static std::string makeConfigView(const std::string& source);
    /// Only block and line comments stay.
    static std::string makeAllCommentsView(const std::string& source);

    struct CodeAndCommentViews {
        std::string code;
        std::string comments;
    };
    /// The code view and the comment view from one classification of the text: the same
    /// texts as makeCodeView and makeCommentView give.
    static CodeAndCommentViews makeCodeAndCommentViews(const std::string& source, char commentFill);
};

} // namespace util::parser::compiler::syntaxhighlighter
