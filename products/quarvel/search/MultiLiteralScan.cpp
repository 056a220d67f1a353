#include "products/quarvel/search/MultiLiteralScan.h"

#include <algorithm>
#include <cstring>
#include <limits>
#include <stdexcept>

namespace products::quarvel::search {
namespace {

unsigned pairAt(const unsigned char* at) {
    return at[0] | static_cast<unsigned>(at[1]) << 8;
}

} // namespace

std::size_t LiteralPositions::firstFrom(std::size_t literal, std::size_t from) {
    const std::uint32_t* places = begin(literal);
    const std::size_t count = static_cast<std::size_t>(end(literal) - places);
    if (count == 0 || from > places[count - 1])
        return std::string::npos;
    // The answer is the first index whose place is at or after `from`; it exists. Steps of
    // doubling length from the last answer bracket it, then a binary search finds it.
    std::size_t& last = lastAnswer_[literal];
    std::size_t low = 0;  // the answer is at low or after
    std::size_t high = 0; // the answer is at high or before
    std::size_t step = 1;
    if (places[last] >= from) {
        while (step <= last && places[last - step] >= from)
            step *= 2;
        low = step <= last ? last - step + 1 : 0;
        high = last - step / 2;
    } else {
        while (last + step < count && places[last + step] < from)
            step *= 2;
        low = last + step / 2 + 1;
        high = std::min(last + step, count - 1);
    }
    last = static_cast<std::size_t>(
        std::lower_bound(places + low, places + high, from,
                         [](std::uint32_t at, std::size_t from) { return at < from; }) -
        places);
    return places[last];
}

MultiLiteralScan::MultiLiteralScan(std::vector<std::string> literals)
    : literals_(std::move(literals)) {
    std::fill(std::begin(singleByte_), std::end(singleByte_), -1);
    std::vector<std::pair<unsigned, std::uint32_t>> byPair; // (first two bytes, literal)
    for (std::uint32_t k = 0; k < literals_.size(); ++k) {
        const std::string& literal = literals_[k];
        if (std::count(literals_.begin(), literals_.end(), literal) > 1)
            throw std::invalid_argument("the literal \"" + literal + "\" is listed twice");
        if (literal.size() == 1) {
            singleByte_[static_cast<unsigned char>(literal[0])] = static_cast<std::int32_t>(k);
            hasSingleBytes_ = true;
        } else if (literal.size() > 1) {
            byPair.emplace_back(pairAt(reinterpret_cast<const unsigned char*>(literal.data())), k);
        }
    }
    std::sort(byPair.begin(), byPair.end());
    bucketOfPair_.assign(65536, 0);
    buckets_.push_back({0, 0}); // bucket 0: no literal starts with the pair
    for (const auto& [pair, literal] : byPair) {
        if (!pairStarts(pair)) {
            if (buckets_.size() == kMaxPairs + 1)
                throw std::invalid_argument("more first pairs of bytes than a scan takes");
            pairBits_[pair >> 6] |= std::uint64_t{1} << (pair & 63);
            bucketOfPair_[pair] = static_cast<std::uint8_t>(buckets_.size());
            buckets_.push_back({static_cast<std::uint32_t>(entries_.size()), 0});
        }
        ++buckets_.back().count;
        const std::string& text = literals_[literal];
        Entry entry{literal, static_cast<std::uint32_t>(text.size()), 0, 0};
        const std::size_t headLength = std::min<std::size_t>(text.size(), 8);
        std::memcpy(&entry.head, text.data(), headLength);
        std::memset(&entry.headMask, 0xff, headLength);
        entries_.push_back(entry);
    }
}

bool MultiLiteralScan::standsAt(const Entry& entry, const unsigned char* at,
                                std::size_t left) const {
    if (entry.length > left)
        return false;
    if (left < 8)
        return std::memcmp(at, literals_[entry.literal].data(), entry.length) == 0;
    std::uint64_t head;
    std::memcpy(&head, at, 8);
    return (head & entry.headMask) == entry.head &&
           (entry.length <= 8 ||
            std::memcmp(at + 8, literals_[entry.literal].data() + 8, entry.length - 8) == 0);
}

std::optional<LiteralPositions> MultiLiteralScan::scan(const std::string& text,
                                                       std::size_t maxPositions) const {
    if (text.size() >= std::numeric_limits<std::uint32_t>::max())
        return std::nullopt;
    // First every place with its literal, each literal's in text order; then grouped by
    // literal, which keeps that order.
    std::vector<std::pair<std::uint32_t, std::uint32_t>> found; // (literal, position)
    const auto* const bytes = reinterpret_cast<const unsigned char*>(text.data());
    const std::size_t size = text.size();
    const auto add = [&](std::uint32_t literal, std::size_t at) {
        found.emplace_back(literal, static_cast<std::uint32_t>(at));
        return found.size() <= maxPositions;
    };
    for (std::size_t at = 0; at + 1 < size; ++at) {
        const unsigned pair = pairAt(bytes + at);
        if (!pairStarts(pair))
            continue;
        const Bucket& bucket = buckets_[bucketOfPair_[pair]];
        for (std::uint32_t e = bucket.first; e < bucket.first + bucket.count; ++e) {
            if (standsAt(entries_[e], bytes + at, size - at) && !add(entries_[e].literal, at))
                return std::nullopt;
        }
    }
    if (hasSingleBytes_) {
        for (std::size_t at = 0; at < size; ++at) {
            const std::int32_t single = singleByte_[bytes[at]];
            if (single >= 0 && !add(static_cast<std::uint32_t>(single), at))
                return std::nullopt;
        }
    }
    std::vector<std::uint32_t> starts(literals_.size() + 1, 0);
    for (const auto& [literal, at] : found)
        ++starts[literal + 1];
    for (std::size_t k = 1; k < starts.size(); ++k)
        starts[k] += starts[k - 1];
    std::vector<std::uint32_t> positions(found.size());
    std::vector<std::uint32_t> next(starts.begin(), starts.end() - 1);
    for (const auto& [literal, at] : found)
        positions[next[literal]++] = at;
    return LiteralPositions(std::move(starts), std::move(positions));
}

} // namespace products::quarvel::search
