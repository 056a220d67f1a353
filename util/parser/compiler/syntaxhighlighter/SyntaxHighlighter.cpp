#include "util/parser/compiler/syntaxhighlighter/SyntaxHighlighter.h"

#include "util/parser/compiler/syntaxhighlighter/CodeTypeNotSupportedException.h"
#include "util/parser/compiler/syntaxhighlighter/JavaHighlighter.h"

namespace util::parser::compiler::syntaxhighlighter {

std::unique_ptr<SyntaxHighlighter> createHighlighter(const std::string& codeType) {
    if (codeType == "java")
        return std::make_unique<JavaHighlighter>();
    throw CodeTypeNotSupportedException(codeType + " is not supported.");
}

} // namespace util::parser::compiler::syntaxhighlighter
