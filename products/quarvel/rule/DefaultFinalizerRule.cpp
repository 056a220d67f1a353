#include "products/quarvel/rule/DefaultFinalizerRule.h"

#include "products/quarvel/search/PatternSearch.h"

namespace products::quarvel::rule {

using namespace search;

namespace {
// The group is not the parameter list: "[^\{]*" covers that and any throws clause.
const Pattern kFinalizerBlock(
    R"(protected\s+void\s+finalize\s*(\s*)[^\{]*\{.)",
    {Anchor("protected").thenAfter(ByteSet::whiteSpace(), 1, ByteSet::of("v")).thenLater('{')});
// Tried at the body's start alone (see matchesWholeBlock), so it needs no anchor.
const Pattern kOnlySuperFinalize(R"([\{\}\s]*super\s*\.\s*finalize\s*\(\s*\)\s*;[\{\}\s]*)");
} // namespace

void DefaultFinalizerRule::checkCode(const std::string& code, DefectListener& defects) const {
    guardSearch(kNumber, [&] {
        LineCounter lines(code);
        BracketIndex braces(code, '{', '}');
        forEachMatch(kFinalizerBlock, code, [&](const Match& m) -> Resume {
            const std::size_t bodyStart = m.end() - 1; // the character after the brace
            if (const auto close = braces.matchingClose(bodyStart)) {
                if (matchesWholeBlock(kOnlySuperFinalize, code, bodyStart, *close))
                    defects.onDefect(lines.lineAt(m.begin()), kMessage);
            }
            return m.end();
        });
    });
}

} // namespace products::quarvel::rule
