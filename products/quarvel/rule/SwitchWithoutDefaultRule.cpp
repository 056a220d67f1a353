#include "products/quarvel/rule/SwitchWithoutDefaultRule.h"

#include "products/quarvel/search/PatternSearch.h"
#include "products/quarvel/search/TextScan.h"

namespace products::quarvel::rule {

using namespace search;

namespace {
// A switch with its block is a match of "switch\s*\(\s*\w*\s*\)\s*\{.": "switch", blanks,
// "(", blanks, a word or none, blanks, ")", blanks, "{" and one byte more. Blanks and word
// bytes differ, so each stretch is taken whole and a "switch" starts at most one match, which
// nextSwitchBlock finds directly. (The pattern engine gives blanks back one at a time and
// spent quadratic time failing on "switch (" before a long run of them: an open comment.)
const LiteralFinder kSwitchWord("switch");
const LiteralFinder kDefaultWord("default");

struct SwitchBlock {
    std::size_t begin;
    std::size_t end; // one byte after the brace
};

std::optional<SwitchBlock> nextSwitchBlock(const std::string& code, std::size_t from) {
    const auto expect = [&](std::size_t at, char byte) {
        return at < code.size() && code[at] == byte;
    };
    for (std::size_t begin = kSwitchWord.find(code, from); begin != std::string::npos;
         begin = kSwitchWord.find(code, begin + 1)) {
        std::size_t at = skipBlanks(code, begin + kSwitchWord.literal().size());
        if (!expect(at, '('))
            continue;
        at = skipBlanks(code, at + 1);
        while (at < code.size() && isWordByte(code[at]))
            ++at;
        at = skipBlanks(code, at);
        if (!expect(at, ')'))
            continue;
        at = skipBlanks(code, at + 1);
        if (expect(at, '{') && at + 1 < code.size())
            return SwitchBlock{begin, at + 2};
    }
    return std::nullopt;
}
} // namespace

void SwitchWithoutDefaultRule::checkCode(const std::string& code, DefectListener& defects) const {
    guardSearch(kNumber, [&] {
        LineCounter lines(code);
        BracketIndex braces(code, '{', '}');
        NextLiteral defaults(code, kDefaultWord);
        // Each search starts inside the block before: nested switches are examined in turn.
        for (auto block = nextSwitchBlock(code, 0); block;
             block = nextSwitchBlock(code, block->end)) {
            const std::size_t bodyStart = block->end - 1; // the byte after the brace
            const std::size_t bodyEnd = braces.matchingClose(bodyStart).value_or(code.size());
            // Any occurrence counts, inside a longer word or a nested switch as well.
            const std::size_t found = defaults.from(bodyStart);
            if (found == kNoPosition || found + kDefaultWord.literal().size() > bodyEnd)
                defects.onDefect(lines.lineAt(block->begin), kMessage);
        }
    });
}

} // namespace products::quarvel::rule
