#pragma once

#include <algorithm>
#include <cstddef>
#include <string>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

/// Byte scans that compare sixteen bytes at a time where the processor allows it, for the
/// loops that run over every byte of every file.
namespace util {

/// The index of the lowest bit that is set; `bits` is not 0.
inline std::size_t lowestBitIndex(unsigned bits) {
#if defined(__GNUC__)
    return static_cast<std::size_t>(__builtin_ctz(bits));
#else
    std::size_t index = 0;
    for (; (bits & 1u) == 0; bits >>= 1)
        ++index;
    return index;
#endif
}

/// The index of the highest bit that is set; `bits` is not 0.
inline std::size_t highestBitIndex(unsigned bits) {
#if defined(__GNUC__)
    return static_cast<std::size_t>(31 - __builtin_clz(bits));
#else
    std::size_t index = 0;
    while (bits >>= 1)
        ++index;
    return index;
#endif
}

/// Calls onByte(position) for each position in [from, to) whose byte is `a`, `b` or `c`, in
/// increasing order, until onByte returns false. Sixteen bytes are compared at a time, so
/// frequent bytes such as line ends cost no call each.
template <class OnByte>
void forEachByteOf(const std::string& text, char a, char b, char c, std::size_t from,
                   std::size_t to, OnByte onByte) {
    to = std::min(to, text.size());
    const char* const base = text.data();
    std::size_t at = from;
#if defined(__SSE2__)
    const __m128i first = _mm_set1_epi8(a);
    const __m128i second = _mm_set1_epi8(b);
    const __m128i third = _mm_set1_epi8(c);
    for (; at < to && to - at >= 16; at += 16) {
        const __m128i block = _mm_loadu_si128(reinterpret_cast<const __m128i*>(base + at));
        unsigned mask = static_cast<unsigned>(_mm_movemask_epi8(
            _mm_or_si128(_mm_or_si128(_mm_cmpeq_epi8(block, first), _mm_cmpeq_epi8(block, second)),
                         _mm_cmpeq_epi8(block, third))));
        for (; mask != 0; mask &= mask - 1) {
            if (!onByte(at + lowestBitIndex(mask)))
                return;
        }
    }
#endif
    for (; at < to; ++at) {
        if ((base[at] == a || base[at] == b || base[at] == c) && !onByte(at))
            return;
    }
}

/// forEachByteOf for two bytes.
template <class OnByte>
void forEachByteOf(const std::string& text, char a, char b, std::size_t from, std::size_t to,
                   OnByte onByte) {
    forEachByteOf(text, a, b, b, from, to, onByte);
}

/// The first position in [from, to) whose byte is `a`, `b` or `c`, or npos.
inline std::size_t findByteOf(const std::string& text, char a, char b, char c, std::size_t from,
                              std::size_t to = std::string::npos) {
    std::size_t found = std::string::npos;
    forEachByteOf(text, a, b, c, from, to, [&](std::size_t at) {
        found = at;
        return false;
    });
    return found;
}

/// The first position in [from, to) whose byte is `a` or `b`, or npos.
inline std::size_t findByteOf(const std::string& text, char a, char b, std::size_t from,
                              std::size_t to = std::string::npos) {
    return findByteOf(text, a, b, b, from, to);
}

/// The first position at or after `from` whose byte is not `byte`, or the text's size.
inline std::size_t skipByte(const std::string& text, char byte, std::size_t from) {
    const std::size_t size = text.size();
    const char* const base = text.data();
    std::size_t at = from;
#if defined(__SSE2__)
    const __m128i skipped = _mm_set1_epi8(byte);
    for (; at < size && size - at >= 16; at += 16) {
        const __m128i block = _mm_loadu_si128(reinterpret_cast<const __m128i*>(base + at));
        const unsigned other =
            ~static_cast<unsigned>(_mm_movemask_epi8(_mm_cmpeq_epi8(block, skipped))) & 0xffffu;
        if (other != 0)
            return at + lowestBitIndex(other);
    }
#endif
    while (at < size && base[at] == byte)
        ++at;
    return std::min(at, size);
}

/// The run of spaces and tabs that starts at `from`: where it ends, and which of the two
/// bytes it holds.
struct IndentationRun {
    std::size_t end;
    bool hasSpace;
    bool hasTab;
};

inline IndentationRun indentationAt(const std::string& text, std::size_t from) {
    const std::size_t size = text.size();
    const char* const base = text.data();
#if defined(__SSE2__)
    // Most indentations are shorter than sixteen bytes: one comparison decides them.
    if (from < size && size - from >= 16) {
        const __m128i block = _mm_loadu_si128(reinterpret_cast<const __m128i*>(base + from));
        const auto spaces =
            static_cast<unsigned>(_mm_movemask_epi8(_mm_cmpeq_epi8(block, _mm_set1_epi8(' '))));
        const auto tabs =
            static_cast<unsigned>(_mm_movemask_epi8(_mm_cmpeq_epi8(block, _mm_set1_epi8('\t'))));
        const unsigned others = ~(spaces | tabs) & 0xffffu;
        if (others != 0) {
            const std::size_t length = lowestBitIndex(others);
            const unsigned inRun = (1u << length) - 1;
            return {from + length, (spaces & inRun) != 0, (tabs & inRun) != 0};
        }
    }
#endif
    IndentationRun run{from, false, false};
    for (; run.end < size && (base[run.end] == ' ' || base[run.end] == '\t'); ++run.end) {
        run.hasSpace = run.hasSpace || base[run.end] == ' ';
        run.hasTab = run.hasTab || base[run.end] == '\t';
    }
    return run;
}

/// Calls onEnd(position), in increasing order, for each position whose byte is `a` or `b` and
/// that more than `longest` bytes precede which are neither, counted from the previous `a` or
/// `b` or from the start of the text. `longest` is at least 15: two such bytes in one block of
/// sixteen never have a long stretch between them, so each block costs one test, whatever it
/// holds.
template <class OnEnd>
void forEachEndOfLongStretch(const std::string& text, char a, char b, std::size_t longest,
                             OnEnd onEnd) {
    const char* const base = text.data();
    const std::size_t size = text.size();
    std::size_t stretchStart = 0;
    std::size_t at = 0;
#if defined(__SSE2__)
    const __m128i first = _mm_set1_epi8(a);
    const __m128i second = _mm_set1_epi8(b);
    for (; size - at >= 16; at += 16) {
        const __m128i block = _mm_loadu_si128(reinterpret_cast<const __m128i*>(base + at));
        const auto mask = static_cast<unsigned>(_mm_movemask_epi8(
            _mm_or_si128(_mm_cmpeq_epi8(block, first), _mm_cmpeq_epi8(block, second))));
        if (mask == 0)
            continue;
        const std::size_t end = at + lowestBitIndex(mask);
        if (end - stretchStart > longest)
            onEnd(end);
        stretchStart = at + highestBitIndex(mask) + 1;
    }
#endif
    for (; at < size; ++at) {
        if (base[at] == a || base[at] == b) {
            if (at - stretchStart > longest)
                onEnd(at);
            stretchStart = at + 1;
        }
    }
}

/// How many bytes of [from, to) of the text are `byte`.
inline std::size_t countByte(const std::string& text, char byte, std::size_t from, std::size_t to) {
    to = std::min(to, text.size());
    const char* const base = text.data();
    std::size_t count = 0;
    std::size_t at = from;
#if defined(__SSE2__)
    const __m128i wanted = _mm_set1_epi8(byte);
    const __m128i zero = _mm_setzero_si128();
    while (at < to && to - at >= 16) {
        // Each of the sixteen lanes counts the hits at its place, up to 255 blocks at a time
        // so that no lane overflows; then the lanes are added up.
        const std::size_t blocks = std::min<std::size_t>((to - at) / 16, 255);
        __m128i lanes = zero;
        for (std::size_t k = 0; k < blocks; ++k, at += 16) {
            const __m128i block = _mm_loadu_si128(reinterpret_cast<const __m128i*>(base + at));
            lanes = _mm_sub_epi8(lanes, _mm_cmpeq_epi8(block, wanted)); // a hit is -1
        }
        const __m128i sums = _mm_sad_epu8(lanes, zero); // two sums of eight lanes, each < 2,041
        count += static_cast<std::size_t>(_mm_extract_epi16(sums, 0)) +
                 static_cast<std::size_t>(_mm_extract_epi16(sums, 4));
    }
#endif
    for (; at < to; ++at)
        count += base[at] == byte;
    return count;
}

/// Writes `fill` into [from, to) of `out`, except where `source` holds a line feed: there
/// `out` gets the line feed. `out` is at least as long as `to`, and so is `source`.
inline void fillKeepingLineFeeds(const std::string& source, std::string& out, std::size_t from,
                                 std::size_t to, char fill) {
    const char* const in = source.data();
    char* const written = &out[0];
    std::size_t at = from;
#if defined(__SSE2__)
    const __m128i lineFeed = _mm_set1_epi8('\n');
    const __m128i filler = _mm_set1_epi8(fill);
    for (; at < to && to - at >= 16; at += 16) {
        const __m128i block = _mm_loadu_si128(reinterpret_cast<const __m128i*>(in + at));
        const __m128i isLineFeed = _mm_cmpeq_epi8(block, lineFeed);
        _mm_storeu_si128(reinterpret_cast<__m128i*>(written + at),
                         _mm_or_si128(_mm_and_si128(isLineFeed, lineFeed),
                                      _mm_andnot_si128(isLineFeed, filler)));
    }
#endif
    for (; at < to; ++at)
        written[at] = in[at] == '\n' ? '\n' : fill;
}

} // namespace util
