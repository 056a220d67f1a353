#include "util/parser/compiler/syntaxhighlighter/SourceViews.h"

#include "util/parser/compiler/syntaxhighlighter/CodeStripper.h"

namespace util::parser::compiler::syntaxhighlighter {

SourceViews makeSourceViews(const std::string& raw) {
    auto [code, comments] = CodeStripper::makeCodeAndCommentViews(raw, '\r');
    return SourceViews{std::move(code), std::move(comments), raw};
}

} // namespace util::parser::compiler::syntaxhighlighter
