#include "products/quarvel/rule/ReturnInFinallyRule.h"

#include "products/quarvel/search/PatternSearch.h"
#include "products/quarvel/search/TextScan.h"

namespace products::quarvel::rule {

using namespace search;

namespace {
const Pattern kFinallyBlock(R"(\}\s*finally\s*\{.)",
                            {Anchor("finally", {{ByteSet::whiteSpace(), 0, kNoPosition},
                                                {ByteSet::of("}"), 1, 1}})
                                 .thenAfter(ByteSet::whiteSpace(), 0, ByteSet::of("{"))});
// The body is searched for "[\s\{\}]*(return)[\s\{\}]*". Its leftmost match holds the first
// "return" of the body as group 1, wherever the blanks and braces around it end, so the rule
// looks for the word itself. Nested finally blocks share the answer for their starts.
const std::string kReturn = "return";
const LiteralFinder kReturnFinder(kReturn);

} // namespace

void ReturnInFinallyRule::checkCode(const std::string& code, DefectListener& defects) const {
    guardSearch(kNumber, [&] {
        LineCounter lines(code);
        BracketIndex braces(code, '{', '}');
        NextLiteral returnWords(code, kReturnFinder);
        forEachMatch(kFinallyBlock, code, [&](const Match& m) -> Resume {
            const std::size_t bodyStart = m.end() - 1; // the byte after the brace
            // A block left open by a truncated file runs to the end of the text.
            const std::size_t bodyEnd = braces.matchingClose(bodyStart).value_or(code.size());
            // The first "return" in the body, also inside a longer word or a nested block.
            const std::size_t found = returnWords.from(bodyStart);
            if (found != kNoPosition && found + kReturn.size() <= bodyEnd)
                defects.onDefect(lines.lineAt(found), kMessage);
            return m.end(); // inside the block: finally blocks nested in it are examined in turn
        });
    });
}

} // namespace products::quarvel::rule
