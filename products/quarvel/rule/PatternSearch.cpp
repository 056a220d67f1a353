#include "products/quarvel/rule/PatternSearch.h"

#include "util/AssertionReporter.h"

#include <boost/regex.hpp>

#include <algorithm>
#include <locale>
#include <stdexcept>

namespace products::quarvel::rule {

struct Pattern::Compiled {
    boost::regex regex;
};

namespace {

/// Raised inside a rule's search when the engine gives up; caught by collectDefects.
class SearchAbandoned : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

boost::regex compile(const std::string& text) {
    boost::regex regex;
    // The classic locale: classes do not depend on the user's settings, and bytes above
    // 127 belong to no class.
    regex.imbue(std::locale::classic());
    regex.assign(text, boost::regex::perl);
    return regex;
}

std::vector<Span> spansOf(const boost::cmatch& found, const char* base) {
    std::vector<Span> spans(found.size());
    for (std::size_t i = 0; i < found.size(); ++i) {
        if (found[i].matched)
            spans[i] = Span{static_cast<std::size_t>(found[i].first - base),
                            static_cast<std::size_t>(found[i].second - base)};
    }
    return spans;
}

/// One search of [from, to); `resumed` tells that the range does not start a search.
std::optional<Match> search(const Pattern& pattern, const std::string& text, std::size_t from,
                            std::size_t to, bool resumed) {
    to = std::min(to, text.size());
    if (from > to)
        return std::nullopt;
    const char* base = text.data();
    boost::match_flag_type flags = boost::match_default;
    if (resumed)
        flags |= boost::match_prev_avail | boost::match_not_bob;
    boost::cmatch found;
    try {
        if (!boost::regex_search(base + from, base + to, found, pattern.compiled().regex, flags))
            return std::nullopt;
    } catch (const std::runtime_error& limit) {
        throw SearchAbandoned(limit.what());
    }
    return Match(spansOf(found, base));
}

} // namespace

Pattern::Pattern(const std::string& text)
    : text_(text), compiled_(std::make_unique<Compiled>(Compiled{compile(text)})) {}
Pattern::~Pattern() = default;
Pattern::Pattern(Pattern&&) noexcept = default;

std::string Match::groupText(const std::string& text, std::size_t index) const {
    const Span span = group(index);
    return span.matched() ? text.substr(span.begin, span.length()) : std::string();
}

void forEachMatch(const Pattern& pattern, const std::string& text,
                  const std::function<Resume(const Match&)>& onMatch, std::size_t from,
                  std::size_t to) {
    bool resumed = false;
    while (const std::optional<Match> match = search(pattern, text, from, to, resumed)) {
        const Resume next = onMatch(*match);
        if (!next || *next <= from)
            return; // stopped, or a resumption that would not advance
        from = *next;
        resumed = true;
    }
}

std::optional<Match> searchOnce(const Pattern& pattern, const std::string& text, std::size_t from,
                                std::size_t to) {
    return search(pattern, text, from, to, false);
}

std::optional<std::size_t> findMatchingClose(const std::string& text, std::size_t start, char open,
                                             char close) {
    std::size_t opened = 1;
    std::size_t closed = 0;
    for (std::size_t i = start; i < text.size(); ++i) {
        if (text[i] == open) {
            ++opened;
        } else if (text[i] == close) {
            if (++closed == opened)
                return i;
        }
    }
    return std::nullopt;
}

bool matchesWholeBlock(const Pattern& pattern, const std::string& text, std::size_t from,
                       std::size_t to) {
    const std::optional<Match> match = searchOnce(pattern, text, from, to);
    return match && match->begin() == from && match->end() == std::min(to, text.size());
}

DefectList collectDefects(std::int32_t ruleNumber,
                          const std::function<void(DefectList& defects)>& search) {
    DefectList defects;
    try {
        search(defects);
    } catch (const SearchAbandoned& limit) {
        util::reportAssertion("the searches of rule " + std::to_string(ruleNumber) +
                                  " stay within the pattern engine's limits (" + limit.what() + ")",
                              __FILE__, __LINE__);
    }
    return defects;
}

std::int32_t LineCounter::lineAt(std::size_t position) {
    position = std::min(position, text_.size());
    if (position < position_) {
        position_ = 0;
        line_ = 1;
    }
    line_ += static_cast<std::int32_t>(
        std::count(text_.begin() + static_cast<std::ptrdiff_t>(position_),
                   text_.begin() + static_cast<std::ptrdiff_t>(position), '\n'));
    position_ = position;
    return line_;
}

} // namespace products::quarvel::rule
