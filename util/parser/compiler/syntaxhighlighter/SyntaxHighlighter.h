#pragma once

#include <memory>
#include <string>

namespace util::parser::compiler::syntaxhighlighter {

/// Classifies every byte of a source text; the result has the source's length and holds one
/// CharKind value per byte.
class SyntaxHighlighter {
  public:
    virtual ~SyntaxHighlighter() = default;
    virtual std::string highlight(const std::string& source, const std::string& options) const = 0;
};

/// The highlighter for a code type; only "java" exists. Throws CodeTypeNotSupportedException.
std::unique_ptr<SyntaxHighlighter> createHighlighter(const std::string& codeType);

} // namespace util::parser::compiler::syntaxhighlighter
