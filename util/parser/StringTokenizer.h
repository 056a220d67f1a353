#pragma once

#include <cstddef>
#include <string>

namespace util::parser {

/// Splits a text into tokens separated by runs of delimiter bytes; tokens are never empty.
class StringTokenizer {
  public:
    /// Tokens from the next one to the end of the text; the position does not move.
    virtual std::size_t countTokens() const = 0;
    virtual bool hasMoreTokens() const = 0;
    /// Returns the next token and moves past it.
    virtual std::string nextToken() = 0;
    /// The token that lies the given number of tokens after the next one (0: the next one
    /// itself); the position does not move.
    virtual std::string peekToken(std::size_t tokensAheadOfNextToken) const = 0;
    virtual ~StringTokenizer() = default;
};

} // namespace util::parser
