#include "products/quarvel/rule/DoubleCheckedLockingRule.h"

#include "products/quarvel/search/PatternSearch.h"
#include "products/quarvel/search/TextScan.h"

#include <algorithm>
#include <cstdint>
#include <optional>
#include <vector>

namespace products::quarvel::rule {

using namespace search;

namespace {
// The rule's pattern, whose matches the search below finds by hand:
// "if\s*\(([^=\)]+)\s*==\s*null\s*\)\s*\{?\s*synchronized\s*\([^\)]*\)\s*\{\s*if\s*\(\1\s*==\s*null\s*\)\s*\{?\s*[^;]*new[^\}]*\}".
// The pattern search tried every length of group 1 up to the first '=' or ')' and scanned to
// the next ';' for "new" at every candidate, which made it quadratic (and made the engine
// give up) on long stretches of "if (" without a comparison.
//
// How the pattern matches at an "if": group 1 runs from the parenthesis to some point in
// the white space before the first '=' or ')' (the longest first), and everything up to
// the repeated group is fixed by the text. After the repeated comparison, [^;]* reaches
// the first ';' and gives back to the last "new" that a '}' still follows; the match ends
// at the first '}' after that "new". A shorter group is tried only when a longer one fails.
const LiteralFinder kNewFinder("new");
const LiteralFinder kIfFinder("if");

/// Reads the fixed parts of the pattern.
class Cursor {
  public:
    Cursor(const std::string& code, std::size_t at) : code_(code), at_(at) {}
    std::size_t at() const { return at_; }
    Cursor& blanks() {
        at_ = skipBlanks(code_, at_);
        return *this;
    }
    /// Moves past `word` when it stands here; false (and no move) otherwise.
    bool take(const char* word) {
        const std::size_t length = std::char_traits<char>::length(word);
        if (code_.compare(at_, length, word) != 0)
            return false;
        at_ += length;
        return true;
    }

  private:
    const std::string& code_;
    std::size_t at_;
};

/// "\s*==\s*null\s*\)" at `at`: the position after it, or nullopt.
std::optional<std::size_t> afterNullTest(const std::string& code, std::size_t at) {
    Cursor c(code, at);
    if (c.blanks().take("==") && c.blanks().take("null") && c.blanks().take(")"))
        return c.at();
    return std::nullopt;
}

class Search {
  public:
    explicit Search(const std::string& code)
        : code_(code), stops_(code, "=)"), closes_(code, ")"), semicolons_(code, ";"),
          braces_(code, "}"), lastBrace_(code.rfind('}')) {}

    /// The end of the match that starts at the "if" at `start`, or nullopt; kNoPosition
    /// when no later "if" can match either.
    std::optional<std::size_t> matchEnd(std::size_t start) {
        Cursor c(code_, start + 2);
        if (!c.blanks().take("("))
            return std::nullopt;
        const std::size_t groupStart = c.at();
        const std::size_t stop = stops_.from(groupStart);
        if (stop == kNoPosition)
            return kNoPosition; // no comparison is left for any "if"
        if (stop == groupStart || code_[stop] != '=')
            return std::nullopt;
        const auto inner = innerGroupStart(stop);
        if (!inner)
            return std::nullopt;
        // Group 1 ends in the white space before the '=', the longest first.
        for (std::size_t groupEnd = stop; groupEnd > groupStart; --groupEnd) {
            if (groupEnd < stop && !isBlank(code_[groupEnd]))
                break;
            const std::size_t length = groupEnd - groupStart;
            if (*inner + length > code_.size() ||
                hashes().of(*inner, *inner + length) != hashes().of(groupStart, groupEnd) ||
                code_.compare(*inner, length, code_, groupStart, length) != 0)
                continue;
            if (const auto tail = afterNullTest(code_, *inner + length)) {
                if (const auto end = tailEnd(*tail))
                    return end;
            }
        }
        return std::nullopt;
    }

  private:
    /// From the '=' that ends the outer comparison to the start of the repeated group.
    std::optional<std::size_t> innerGroupStart(std::size_t equals) {
        const auto afterTest = afterNullTest(code_, equals);
        if (!afterTest)
            return std::nullopt;
        Cursor c(code_, *afterTest);
        c.blanks().take("{");
        if (!c.blanks().take("synchronized") || !c.blanks().take("("))
            return std::nullopt;
        const std::size_t close = closes_.from(c.at());
        if (close == kNoPosition)
            return std::nullopt;
        Cursor inner(code_, close + 1);
        if (inner.blanks().take("{") && inner.blanks().take("if") && inner.blanks().take("("))
            return inner.at();
        return std::nullopt;
    }

    /// "\s*\{?\s*[^;]*new[^\}]*\}" at `at`: the end of the match, or nullopt.
    std::optional<std::size_t> tailEnd(std::size_t at) {
        if (lastBrace_ == kNoPosition)
            return std::nullopt;
        const std::size_t semicolon = std::min(semicolons_.from(at), code_.size());
        // The last "new" that ends before the ';' and that a '}' follows.
        const std::size_t limit = std::min(semicolon, lastBrace_);
        if (limit < at + 3)
            return std::nullopt;
        const std::vector<std::size_t>& news = newStarts();
        const auto after = std::upper_bound(news.begin(), news.end(), limit - 3);
        if (after == news.begin() || *(after - 1) < at)
            return std::nullopt;
        return braces_.from(*(after - 1) + 3) + 1;
    }

    /// Built when a candidate first reaches the repeated group: comparing by hash first
    /// keeps candidates whose groups share long beginnings with the inner test linear.
    StretchHashes& hashes() {
        if (!hashes_)
            hashes_.emplace(code_);
        return *hashes_;
    }

    const std::vector<std::size_t>& newStarts() {
        if (!news_) {
            news_.emplace();
            for (std::size_t at = kNewFinder.find(code_, 0); at != kNoPosition;
                 at = kNewFinder.find(code_, at + 1))
                news_->push_back(at);
        }
        return *news_;
    }

    const std::string& code_;
    NextOf stops_;
    NextOf closes_;
    NextOf semicolons_;
    NextOf braces_;
    std::size_t lastBrace_;
    std::optional<StretchHashes> hashes_;
    std::optional<std::vector<std::size_t>> news_;
};
} // namespace

void DoubleCheckedLockingRule::checkCode(const std::string& code, DefectListener& defects) const {
    guardSearch(kNumber, [&] {
        LineCounter lines(code);
        Search search(code);
        for (std::size_t start = kIfFinder.find(code, 0); start != kNoPosition;) {
            const std::optional<std::size_t> end = search.matchEnd(start);
            if (end == kNoPosition)
                break;
            if (end)
                defects.onDefect(lines.lineAt(start), kMessage);
            start = kIfFinder.find(code, end ? *end : start + 1);
        }
    });
}

} // namespace products::quarvel::rule
