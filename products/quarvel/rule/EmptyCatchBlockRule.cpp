#include "products/quarvel/rule/EmptyCatchBlockRule.h"

#include "products/quarvel/search/PatternSearch.h"
#include "products/quarvel/search/TextScan.h"

#include <algorithm>
#include <functional>

namespace products::quarvel::rule {

using namespace search;

namespace {
// A catch block is a match of "\}\s*catch\s*\(.*?\)\s*\{.", found by hand below.
const Pattern kOnlyBlanks(R"([\s\{\}]*)");
const LiteralFinder kCatchFinder("catch");

/// The first ')' at or after a position that "\)\s*\{." matches at, which is where the lazy
/// ".*?" of a catch block stops.
std::size_t blockParenthesisFrom(const std::string& code, std::size_t at) {
    for (at = code.find(')', at); at != kNoPosition; at = code.find(')', at + 1)) {
        const std::size_t brace = skipBlanks(code, at + 1);
        if (brace + 1 < code.size() && code[brace] == '{')
            return at;
    }
    return kNoPosition;
}

/// The search loop of catch blocks, written out: hands over the end of every match, in the
/// order and with the resumption the pattern search would give. The pattern's lazy ".*?"
/// hides a scan to the end of the text for every catch that no block follows. Every match
/// ends past its ')', and the next catch is looked for from there on, so no stretch is
/// scanned for a ')' twice.
void forEachCatchMatch(const std::string& code,
                       const std::function<Resume(std::size_t matchEnd)>& onMatch) {
    std::size_t resume = 0;
    for (std::size_t keyword = kCatchFinder.find(code, 0); keyword != kNoPosition;
         keyword = kCatchFinder.find(code, keyword + 1)) {
        const std::size_t start = skipBlanksBack(code, keyword, resume);
        if (start == resume || code[start - 1] != '}')
            continue;
        const std::size_t open = skipBlanks(code, keyword + 5);
        if (open == code.size() || code[open] != '(')
            continue;
        const std::size_t close = blockParenthesisFrom(code, open + 1);
        if (close == kNoPosition)
            return; // no ')' with a block after it remains for any catch
        const std::size_t brace = skipBlanks(code, close + 1);
        const Resume next = onMatch(brace + 2);
        if (!next || *next <= resume)
            return;
        resume = *next;
        keyword = std::max(keyword, resume) - 1; // the next catch is searched from here on
    }
}
} // namespace

void EmptyCatchBlockRule::checkCode(const std::string& code, DefectListener& defects) const {
    guardSearch(kNumber, [&] {
        LineCounter lines(code);
        BracketIndex braces(code, '{', '}');
        forEachCatchMatch(code, [&](std::size_t matchEnd) -> Resume {
            const std::size_t bodyStart = matchEnd - 1; // the character after the brace
            if (const auto close = braces.matchingClose(bodyStart)) {
                if (matchesWholeBlock(kOnlyBlanks, code, bodyStart, *close))
                    defects.onDefect(lines.lineAt(matchEnd), kMessage);
            }
            return matchEnd; // inside the block: catches nested in it are examined in turn
        });
    });
}

} // namespace products::quarvel::rule
