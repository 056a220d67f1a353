#include "products/quarvel/rule/EmptyCatchBlockRule.h"

#include "products/quarvel/rule/PatternSearch.h"
#include "products/quarvel/rule/TextScan.h"

#include <algorithm>
#include <functional>

namespace products::quarvel::rule {
namespace {
const Pattern
    kCatchBlock(R"(\}\s*catch\s*\(.*?\)\s*\{.)",
                {{"catch", {{ByteSet::whiteSpace(), 0, kNoPosition}, {ByteSet::of("}"), 1, 1}}}});
const Pattern kOnlyBlanks(R"([\s\{\}]*)");
const char kMessage[] = "Empty catch block.";
const LiteralFinder kCatchFinder("catch");

bool isBlank(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

/// The first ')' at or after a position that "\)\s*\{." matches at, which is where the
/// lazy ".*?" of kCatchBlock stops. The answer for one position serves every later position
/// up to it, so catches sharing one such ')' do not scan to it again.
class FirstBlockParenthesis {
  public:
    explicit FirstBlockParenthesis(const std::string& code) : code_(code) {}
    std::size_t from(std::size_t position) {
        if (position < askedFrom_ || position > found_) {
            askedFrom_ = position;
            found_ = search(position);
        }
        return found_;
    }

  private:
    std::size_t search(std::size_t at) const {
        for (at = code_.find(')', at); at != kNoPosition; at = code_.find(')', at + 1)) {
            std::size_t brace = at + 1;
            while (brace < code_.size() && isBlank(code_[brace]))
                ++brace;
            if (brace + 1 < code_.size() && code_[brace] == '{')
                return at;
        }
        return kNoPosition;
    }

    const std::string& code_;
    std::size_t askedFrom_ = 1; // with found_ 0: nothing known yet
    std::size_t found_ = 0;
};

/// The search loop of kCatchBlock, written out: hands over the end of every match, in the
/// order and with the resumption the pattern search would give. The pattern's lazy ".*?"
/// hides a scan to the end of the text for every catch that no block follows.
void forEachCatchMatch(const std::string& code,
                       const std::function<Resume(std::size_t matchEnd)>& onMatch) {
    FirstBlockParenthesis parentheses(code);
    std::size_t resume = 0;
    for (std::size_t keyword = kCatchFinder.find(code, 0); keyword != kNoPosition;
         keyword = kCatchFinder.find(code, keyword + 1)) {
        std::size_t start = keyword;
        while (start > resume && isBlank(code[start - 1]))
            --start;
        if (start == resume || code[start - 1] != '}')
            continue;
        std::size_t open = keyword + 5;
        while (open < code.size() && isBlank(code[open]))
            ++open;
        if (open == code.size() || code[open] != '(')
            continue;
        const std::size_t close = parentheses.from(open + 1);
        if (close == kNoPosition)
            return; // no ')' with a block after it remains for any catch
        std::size_t brace = close + 1;
        while (isBlank(code[brace]))
            ++brace;
        const Resume next = onMatch(brace + 2);
        if (!next || *next <= resume)
            return;
        resume = *next;
        keyword = std::max(keyword, resume) - 1; // the next catch is searched from here on
    }
}
} // namespace

DefectList EmptyCatchBlockRule::checkCode(const std::string& code,
                                          const std::string& fileName) const {
    return collectDefects(kNumber, [&](DefectList& defects) {
        LineCounter lines(code);
        BracketIndex braces(code, '{', '}');
        forEachCatchMatch(code, [&](std::size_t matchEnd) -> Resume {
            const std::size_t bodyStart = matchEnd - 1; // the character after the brace
            if (const auto close = braces.matchingClose(bodyStart)) {
                if (matchesWholeBlock(kOnlyBlanks, code, bodyStart, *close))
                    defects.push_back({fileName, lines.lineAt(matchEnd), kMessage});
            }
            return matchEnd; // inside the block: catches nested in it are examined in turn
        });
    });
}

} // namespace products::quarvel::rule
