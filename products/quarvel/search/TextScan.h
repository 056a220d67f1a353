#pragma once

#include "products/quarvel/search/FirstFrom.h"
#include "products/quarvel/search/LiteralFinder.h"
#include "util/ByteScan.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace products::quarvel::search {

using util::countByte;
using util::findByteOf;
using util::forEachByteOf;
using util::lowestBitIndex;
using util::skipByte;

/// Which bytes are blanks and which are word bytes, looked up rather than compared: the scans
/// that step over names and white space byte by byte are among the most frequent loops.
struct ByteClasses {
    static constexpr unsigned char kBlank = 1;
    static constexpr unsigned char kWord = 2;
    unsigned char of[256] = {};
    constexpr ByteClasses() {
        for (const char c : {' ', '\t', '\n', '\v', '\f', '\r'})
            of[static_cast<unsigned char>(c)] = kBlank;
        for (int c = 0; c < 256; ++c) {
            if ((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') ||
                c == '_')
                of[c] = kWord;
        }
    }
};
inline constexpr ByteClasses kByteClasses{};

/// \s of the patterns: space, tab, line feed, vertical tab, form feed, carriage return.
inline bool isBlank(char c) {
    return kByteClasses.of[static_cast<unsigned char>(c)] == ByteClasses::kBlank;
}

/// The first position at or after `at` (and before `end`, the end of the text when not given)
/// that is not blank, or `end`.
inline std::size_t skipBlanks(const std::string& text, std::size_t at,
                              std::size_t end = std::string::npos) {
    end = std::min(end, text.size());
    while (at < end && isBlank(text[at]))
        ++at;
    return at;
}

/// The start of the run of blanks that ends at `at`, going back no further than `floor`.
inline std::size_t skipBlanksBack(const std::string& text, std::size_t at, std::size_t floor = 0) {
    while (at > floor && isBlank(text[at - 1]))
        --at;
    return at;
}

/// \w of the patterns: ASCII letters, digits and underscore; every byte above 127 is not one.
inline bool isWordByte(char c) {
    return kByteClasses.of[static_cast<unsigned char>(c)] == ByteClasses::kWord;
}

/// The first position at or after `from` in the text that holds one of the bytes, or npos.
/// (std::string::find_first_of looks each text byte up in the set with a call of its own.)
inline std::size_t findFirstOf(const std::string& text, const char* bytes, std::size_t from) {
    if (bytes[0] != '\0' && bytes[1] == '\0')
        return text.find(bytes[0], from);
    bool inSet[256] = {};
    for (const char* b = bytes; *b; ++b)
        inSet[static_cast<unsigned char>(*b)] = true;
    for (std::size_t i = from; i < text.size(); ++i) {
        if (inSet[static_cast<unsigned char>(text[i])])
            return i;
    }
    return std::string::npos;
}

/// The first position at or after a start that holds one of some bytes (npos when there is
/// none), remembered for later starts up to it (see FirstFrom).
class NextOf {
  public:
    NextOf(const std::string& text, const char* bytes) : first_(Find{&text, bytes}) {}
    std::size_t from(std::size_t position) { return first_.from(position); }

  private:
    struct Find {
        const std::string* text;
        const char* bytes;
        std::size_t operator()(std::size_t start) const { return findFirstOf(*text, bytes, start); }
    };
    FirstFrom<Find> first_;
};

/// The first place of a literal at or after a start (npos when there is none), remembered for
/// later starts up to it (see FirstFrom).
class NextLiteral {
  public:
    NextLiteral(const std::string& text, const LiteralFinder& finder)
        : first_(Find{&text, &finder}) {}
    std::size_t from(std::size_t position) { return first_.from(position); }

  private:
    struct Find {
        const std::string* text;
        const LiteralFinder* finder;
        std::size_t operator()(std::size_t start) const { return finder->find(*text, start); }
    };
    FirstFrom<Find> first_;
};

/// Hashes of stretches of a text: equal texts give equal hashes, so a hash match only needs
/// confirming by comparing the bytes. A short stretch is hashed byte by byte; a long one in
/// constant time from prefix hashes, which are computed only as far as long stretches are
/// asked for. Both ways give the same value.
class StretchHashes {
  public:
    explicit StretchHashes(const std::string& text) : text_(text), prefix_{0}, powers_{1} {}
    std::uint64_t of(std::size_t begin, std::size_t end) {
        if (end - begin <= kShortStretch) {
            std::uint64_t hash = 0;
            for (std::size_t i = begin; i < end; ++i)
                hash = hash * kBase + static_cast<unsigned char>(text_[i]) + 1;
            return hash;
        }
        while (prefix_.size() <= end) {
            const std::size_t i = prefix_.size() - 1;
            prefix_.push_back(prefix_[i] * kBase + static_cast<unsigned char>(text_[i]) + 1);
            powers_.push_back(powers_[i] * kBase);
        }
        return prefix_[end] - prefix_[begin] * powers_[end - begin];
    }

  private:
    static constexpr std::uint64_t kBase = 1000003;
    static constexpr std::size_t kShortStretch = 256;
    const std::string& text_;
    std::vector<std::uint64_t> prefix_;
    std::vector<std::uint64_t> powers_;
};

} // namespace products::quarvel::search
