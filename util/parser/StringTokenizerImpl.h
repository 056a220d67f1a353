#pragma once

#include "util/parser/StringTokenizer.h"

namespace util::parser {

/// A tokenizer over its own copy of the text; every byte of the delimiter set is a delimiter.
class StringTokenizerImpl : public StringTokenizer {
  public:
    StringTokenizerImpl(std::string text, std::string delimiters);

    std::size_t countTokens() const override;
    bool hasMoreTokens() const override;
    /// Asking for a token when none is left is reported as a failed check and gives an empty
    /// token.
    std::string nextToken() override;
    /// Asking beyond the last token gives an empty token; asking beyond countTokens() is also
    /// reported as a failed check.
    std::string peekToken(std::size_t tokensAheadOfNextToken) const override;

    /// Where the next token starts in the text, or std::string::npos when none is left.
    std::size_t nextTokenPosition() const { return position_; }

  private:
    std::size_t firstDelimiterFrom(std::size_t index) const;
    std::size_t firstNonDelimiterFrom(std::size_t index) const;
    /// The start of the token after the one that starts at index, or npos.
    std::size_t tokenAfter(std::size_t index) const;
    /// The token that starts at index (empty for npos).
    std::string tokenAt(std::size_t index) const;

    std::string text_;
    std::string delimiters_;
    std::size_t position_;
};

} // namespace util::parser
