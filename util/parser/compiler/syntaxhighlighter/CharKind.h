#pragma once

namespace util::parser::compiler::syntaxhighlighter {

/// What a source byte belongs to; one byte of highlight data per source byte.
enum class CharKind : unsigned char {
    Code = 0,
    Keyword = 1,
    BlockComment = 2,
    LineComment = 3,
    CharLiteral = 4,
    StringLiteral = 5,
    StringQuote = 6,
};

} // namespace util::parser::compiler::syntaxhighlighter
