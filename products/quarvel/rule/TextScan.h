#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace products::quarvel::rule {

/// \s of the patterns: space, tab, line feed, vertical tab, form feed, carriage return.
inline bool isBlank(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

/// \w of the patterns: ASCII letters, digits and underscore; every byte above 127 is not one.
inline bool isWordByte(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_';
}

/// The first position at or after a given one holding one of some bytes (npos when there is
/// none). The answer for one position serves every later position up to it, so candidates
/// that share it do not scan to it again.
class NextOf {
  public:
    NextOf(const std::string& text, const char* bytes) : text_(text), bytes_(bytes) {}
    std::size_t from(std::size_t position) {
        if (position < askedFrom_ || position > found_) {
            askedFrom_ = position;
            found_ = text_.find_first_of(bytes_, position);
        }
        return found_;
    }

  private:
    const std::string& text_;
    const char* bytes_;
    std::size_t askedFrom_ = 1; // with found_ 0: nothing known yet
    std::size_t found_ = 0;
};

/// Hashes of stretches of a text, each in constant time: equal texts give equal hashes, so a
/// hash match only needs confirming by comparing the bytes. Prefix hashes are computed only
/// as far as stretches are asked for.
class StretchHashes {
  public:
    explicit StretchHashes(const std::string& text) : text_(text), prefix_{0}, powers_{1} {}
    std::uint64_t of(std::size_t begin, std::size_t end) {
        while (prefix_.size() <= end) {
            const std::size_t i = prefix_.size() - 1;
            prefix_.push_back(prefix_[i] * kBase + static_cast<unsigned char>(text_[i]) + 1);
            powers_.push_back(powers_[i] * kBase);
        }
        return prefix_[end] - prefix_[begin] * powers_[end - begin];
    }

  private:
    static constexpr std::uint64_t kBase = 1000003;
    const std::string& text_;
    std::vector<std::uint64_t> prefix_;
    std::vector<std::uint64_t> powers_;
};

} // namespace products::quarvel::rule
