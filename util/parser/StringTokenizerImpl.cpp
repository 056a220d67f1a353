#include "util/parser/StringTokenizerImpl.h"

#include "util/AssertionReporter.h"

namespace util::parser {

StringTokenizerImpl::StringTokenizerImpl(std::string text, std::string delimiters)
    : text_(std::move(text)), delimiters_(std::move(delimiters)),
      position_(firstNonDelimiterFrom(0)) {}

std::size_t StringTokenizerImpl::firstDelimiterFrom(std::size_t index) const {
    if (delimiters_.empty())
        return std::string::npos;
    return text_.find_first_of(delimiters_, index);
}

std::size_t StringTokenizerImpl::firstNonDelimiterFrom(std::size_t index) const {
    if (index >= text_.size())
        return std::string::npos;
    return text_.find_first_not_of(delimiters_, index);
}

std::size_t StringTokenizerImpl::tokenAfter(std::size_t index) const {
    return firstNonDelimiterFrom(firstDelimiterFrom(index));
}

std::string StringTokenizerImpl::tokenAt(std::size_t index) const {
    if (index == std::string::npos)
        return std::string();
    const std::size_t end = firstDelimiterFrom(index);
    return text_.substr(index, end == std::string::npos ? std::string::npos : end - index);
}

std::size_t StringTokenizerImpl::countTokens() const {
    std::size_t count = 0;
    for (std::size_t index = position_; index != std::string::npos; index = tokenAfter(index))
        ++count;
    return count;
}

bool StringTokenizerImpl::hasMoreTokens() const {
    return position_ != std::string::npos;
}

std::string StringTokenizerImpl::nextToken() {
    if (!hasMoreTokens()) {
        reportAssertion("hasMoreTokens()", __FILE__, __LINE__);
        return std::string();
    }
    std::string token = tokenAt(position_);
    position_ = tokenAfter(position_);
    return token;
}

std::string StringTokenizerImpl::peekToken(std::size_t tokensAheadOfNextToken) const {
    if (!(countTokens() >= tokensAheadOfNextToken))
        reportAssertion("countTokens() >= tokensAheadOfNextToken", __FILE__, __LINE__);
    std::size_t index = position_;
    for (std::size_t skipped = 0; skipped < tokensAheadOfNextToken && index != std::string::npos;
         ++skipped)
        index = tokenAfter(index);
    return tokenAt(index);
}

} // namespace util::parser
