#pragma once

#include "util/parser/compiler/syntaxhighlighter/SyntaxHighlighter.h"

namespace util::parser::compiler::syntaxhighlighter {

/// Java: comments, character and string literals in one scan, then keywords that stand
/// between spaces, tabs, line feeds, the text's ends or non-code bytes.
class JavaHighlighter : public SyntaxHighlighter {
  public:
    /// The options are not read.
    std::string highlight(const std::string& source, const std::string& options) const override;
};

} // namespace util::parser::compiler::syntaxhighlighter
