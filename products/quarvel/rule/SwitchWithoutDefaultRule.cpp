#include "products/quarvel/rule/SwitchWithoutDefaultRule.h"

#include "products/quarvel/rule/PatternSearch.h"
#include "products/quarvel/rule/TextScan.h"

namespace products::quarvel::rule {
namespace {
const Pattern
    kSwitchBlock(R"(switch\s*\(\s*\w*\s*\)\s*\{.)",
                 {Anchor("switch").thenAfter(ByteSet::whiteSpace(), 0, ByteSet::of("("))});
const LiteralFinder kDefaultWord("default");
} // namespace

void SwitchWithoutDefaultRule::checkCode(const std::string& code, DefectSink& defects) const {
    guardSearch(kNumber, [&] {
        LineCounter lines(code);
        BracketIndex braces(code, '{', '}');
        NextLiteral defaults(code, kDefaultWord);
        forEachMatch(kSwitchBlock, code, [&](const Match& m) -> Resume {
            const std::size_t bodyStart = m.end() - 1; // the byte after the brace
            const std::size_t bodyEnd = braces.matchingClose(bodyStart).value_or(code.size());
            // Any occurrence counts, inside a longer word or a nested switch as well.
            const std::size_t found = defaults.from(bodyStart);
            if (found == kNoPosition || found + kDefaultWord.literal().size() > bodyEnd)
                defects.report(lines.lineAt(m.begin()), kMessage);
            return m.end(); // inside the block: nested switches are examined in turn
        });
    });
}

} // namespace products::quarvel::rule
