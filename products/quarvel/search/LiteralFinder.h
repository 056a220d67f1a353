#pragma once

#include "products/quarvel/search/SharedScans.h"
#include "util/ByteScan.h"

#include <algorithm>
#include <cstddef>
#include <cstring>
#include <string>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace products::quarvel::search {

/// Finds a literal text fast in Java sources. When the literal holds a byte that is rare in
/// source code, the library's byte search looks for that byte and the rest is compared at
/// each hit. Otherwise its two rarest bytes are compared at sixteen positions at a time,
/// and the rest only where both agree: a byte search would stop every few dozen bytes.
/// Same answers as std::string::find. The literal is declared when the finder is made, so in
/// a view of the file being checked its places come from the file's shared scan (see
/// SharedScans).
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
        if (LiteralPositions* shared = SharedScans::positionsIn(text, declared_)) {
            const std::size_t at = shared->firstFrom(declared_, from);
            return at != std::string::npos && at + length <= end ? at : std::string::npos;
        }
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
                const std::size_t candidate = start + util::lowestBitIndex(mask);
                if (std::memcmp(base + candidate, literal_.data(), length) == 0)
                    return candidate;
            }
        }
        for (; start <= lastStart && lastStart - start >= 15; start += 16) {
            unsigned mask = static_cast<unsigned>(_mm_movemask_epi8(agree(start)));
            for (; mask != 0; mask &= mask - 1) {
                const std::size_t candidate = start + util::lowestBitIndex(mask);
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
    std::size_t declared_ = kNotDeclared;
};

} // namespace products::quarvel::search
