#include "products/quarvel/search/SearchLoop.h"

#include "products/quarvel/search/AnchoredSearch.h"
#include "products/quarvel/search/PatternEngine.h"
#include "util/AssertionReporter.h"

#include <algorithm>

namespace products::quarvel::search {
namespace {

/// One search of [from, to); `resumed` tells that the range does not start a search, and
/// `memos` carries the anchors' literals from one search of a loop to the next.
std::optional<Match> search(const Pattern& pattern, const std::string& text, std::size_t from,
                            std::size_t to, bool resumed, std::vector<AnchorMemo>& memos) {
    to = std::min(to, text.size());
    if (from > to)
        return std::nullopt;
    const char* base = text.data();
    boost::cmatch found;
    const bool matched =
        pattern.anchors().empty() || searchesEveryPosition()
            ? runEngine(base + from, base + to, found, pattern, flagsAt(from, from, resumed))
            : searchAtAnchors(pattern, text, from, to, resumed, memos, found);
    if (!matched)
        return std::nullopt;
    return Match(spansOf(found, base));
}

} // namespace

void forEachMatch(const Pattern& pattern, const std::string& text,
                  const std::function<Resume(const Match&)>& onMatch, std::size_t from,
                  std::size_t to) {
    bool resumed = false;
    std::vector<AnchorMemo> memos;
    while (const std::optional<Match> match = search(pattern, text, from, to, resumed, memos)) {
        const Resume next = onMatch(*match);
        if (!next || *next <= from)
            return; // stopped, or a resumption that would not advance
        from = *next;
        resumed = true;
    }
}

std::optional<Match> searchOnce(const Pattern& pattern, const std::string& text, std::size_t from,
                                std::size_t to) {
    std::vector<AnchorMemo> memos;
    return search(pattern, text, from, to, false, memos);
}

bool matchesWholeBlock(const Pattern& pattern, const std::string& text, std::size_t from,
                       std::size_t to) {
    // Only a leftmost match that starts at `from` can cover the range, and it is the match
    // the engine finds when it tries `from` alone: so one attempt there decides, instead of
    // a search through the whole range.
    to = std::min(to, text.size());
    if (from > to)
        return false;
    const char* base = text.data();
    boost::cmatch found;
    if (!runEngine(base + from, base + to, found, pattern,
                   flagsAt(from, from, false) | boost::match_continuous))
        return false;
    return static_cast<std::size_t>(found[0].second - base) == to;
}

void guardSearch(std::int32_t ruleNumber, const std::function<void()>& search) {
    try {
        search();
    } catch (const SearchAbandoned& limit) {
        util::reportAssertion("the searches of rule " + std::to_string(ruleNumber) +
                                  " stay within the pattern engine's limits (" + limit.what() + ")",
                              __FILE__, __LINE__);
    }
}

} // namespace products::quarvel::search
