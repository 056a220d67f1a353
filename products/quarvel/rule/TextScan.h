#pragma once

#include "products/quarvel/rule/FirstFrom.h"
#include "util/ByteScan.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace products::quarvel::rule {

using util::countByte;
using util::findByteOf;
using util::forEachByteOf;
using util::lowestBitIndex;
using util::skipByte;

/// \s of the patterns: space, tab, line feed, vertical tab, form feed, carriage return.
inline bool isBlank(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
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
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_';
}

/// Finds a literal text fast in Java sources. When the literal holds a byte that is rare in
/// source code, the library's byte search looks for that byte and the rest is compared at
/// each hit. Otherwise its two rarest bytes are compared at sixteen positions at a time,
/// and the rest only where both agree: a byte search would stop every few dozen bytes.
/// Same answers as std::string::find.
class LiteralFinder {
  public:
    explicit LiteralFinder(std::string literal);
    const std::string& literal() const { return literal_; }
    /// The first position at or after `from` where the literal stands wholly before `to`
    /// (the end of the text when not given), or npos.
    std::size_t find(const std::string& text, std::size_t from,
                     std::size_t to = std::string::npos) const {
        const std::size_t end = std::min(to, text.size());
        const std::size_t length = literal_.size();
        if (length == 0 || from > end || end - from < length)
            return from <= end && length == 0 ? from : std::string::npos;
#if defined(__SSE2__)
        if (!rareByteIsRare_ && length > 1)
            return findByBytePair(text.data(), from, end);
#endif
        return findByRareByte(text.data(), from, end);
    }

  private:
    std::size_t findByRareByte(const char* const base, std::size_t from, std::size_t end) const {
        const std::size_t length = literal_.size();
        const char* at = base + from + rare_;
        const char* const last = base + end - length + rare_; // inclusive
        while (at <= last) {
            const void* hit =
                std::memchr(at, literal_[rare_], static_cast<std::size_t>(last - at) + 1);
            if (!hit)
                return std::string::npos;
            const char* start = static_cast<const char*>(hit) - rare_;
            std::size_t same = 0;
            while (same < length && start[same] == literal_[same])
                ++same;
            if (same == length)
                return static_cast<std::size_t>(start - base);
            at = static_cast<const char*>(hit) + 1;
        }
        return std::string::npos;
    }

#if defined(__SSE2__)
    std::size_t findByBytePair(const char* const base, std::size_t from, std::size_t end) const {
        const std::size_t length = literal_.size();
        const std::size_t lastStart = end - length;
        const __m128i rare = _mm_set1_epi8(literal_[rare_]);
        const __m128i second = _mm_set1_epi8(literal_[second_]);
        // Both bytes agree at the starts whose bits are set in the mask.
        const auto agree = [&](std::size_t start) {
            const auto* atRare = reinterpret_cast<const __m128i*>(base + start + rare_);
            const auto* atSecond = reinterpret_cast<const __m128i*>(base + start + second_);
            return _mm_and_si128(_mm_cmpeq_epi8(_mm_loadu_si128(atRare), rare),
                                 _mm_cmpeq_epi8(_mm_loadu_si128(atSecond), second));
        };
        std::size_t start = from;
        // Thirty-two starts at a time, then sixteen, while all of them leave room for the
        // literal: most blocks hold no candidate and cost one test.
        for (; start <= lastStart && lastStart - start >= 31; start += 32) {
            const __m128i low = agree(start);
            const __m128i high = agree(start + 16);
            if (_mm_movemask_epi8(_mm_or_si128(low, high)) == 0)
                continue;
            unsigned mask = static_cast<unsigned>(_mm_movemask_epi8(low)) |
                            static_cast<unsigned>(_mm_movemask_epi8(high)) << 16;
            for (; mask != 0; mask &= mask - 1) {
                const std::size_t candidate = start + lowestBitIndex(mask);
                if (std::memcmp(base + candidate, literal_.data(), length) == 0)
                    return candidate;
            }
        }
        for (; start <= lastStart && lastStart - start >= 15; start += 16) {
            unsigned mask = static_cast<unsigned>(_mm_movemask_epi8(agree(start)));
            for (; mask != 0; mask &= mask - 1) {
                const std::size_t candidate = start + lowestBitIndex(mask);
                if (std::memcmp(base + candidate, literal_.data(), length) == 0)
                    return candidate;
            }
        }
        for (; start <= lastStart; ++start) {
            if (std::memcmp(base + start, literal_.data(), length) == 0)
                return start;
        }
        return std::string::npos;
    }

#endif

    std::string literal_;
    std::size_t rare_ = 0;   // the index of the rarest byte
    std::size_t second_ = 0; // the index of the next rarest byte
    bool rareByteIsRare_ = false;
};

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

} // namespace products::quarvel::rule
