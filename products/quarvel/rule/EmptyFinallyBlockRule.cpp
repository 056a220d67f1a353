#include "products/quarvel/rule/EmptyFinallyBlockRule.h"

#include "products/quarvel/search/PatternSearch.h"

namespace products::quarvel::rule {

using namespace search;

namespace {
const Pattern kFinallyBlock(R"(\}\s*finally\s*\{.)",
                            {Anchor("finally", {{ByteSet::whiteSpace(), 0, kNoPosition},
                                                {ByteSet::of("}"), 1, 1}})
                                 .thenAfter(ByteSet::whiteSpace(), 0, ByteSet::of("{"))});
const Pattern kOnlyBlanks(R"([\s\{\}]*)");
} // namespace

void EmptyFinallyBlockRule::checkCode(const std::string& code, DefectListener& defects) const {
    guardSearch(kNumber, [&] {
        LineCounter lines(code);
        BracketIndex braces(code, '{', '}');
        forEachMatch(kFinallyBlock, code, [&](const Match& m) -> Resume {
            const std::size_t bodyStart = m.end() - 1; // the character after the brace
            if (const auto close = braces.matchingClose(bodyStart)) {
                if (matchesWholeBlock(kOnlyBlanks, code, bodyStart, *close))
                    defects.onDefect(lines.lineAt(m.end()), kMessage);
            }
            return m.end(); // inside the block: finally blocks nested in it come in turn
        });
    });
}

} // namespace products::quarvel::rule
