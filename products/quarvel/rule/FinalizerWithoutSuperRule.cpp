#include "products/quarvel/rule/FinalizerWithoutSuperRule.h"

#include "products/quarvel/search/PatternSearch.h"

namespace products::quarvel::rule {

using namespace search;

namespace {
const Pattern kFinalizer(
    R"(protected\s+void\s+finalize\s*(\s*)[^\{]*\{.)",
    {Anchor("protected").thenAfter(ByteSet::whiteSpace(), 1, ByteSet::of("v")).thenLater('{')});
const Pattern
    kSuperFinalizeCall(R"(super\s*\.\s*finalize\s*\(\s*\)\s*;)",
                       {Anchor("super").thenAfter(ByteSet::whiteSpace(), 0, ByteSet::of("."))});
} // namespace

void FinalizerWithoutSuperRule::checkCode(const std::string& code, DefectListener& defects) const {
    guardSearch(kNumber, [&] {
        LineCounter lines(code);
        BracketIndex braces(code, '{', '}');
        MatchWithin superCalls(kSuperFinalizeCall, code);
        forEachMatch(kFinalizer, code, [&](const Match& m) -> Resume {
            const std::size_t bodyStart = m.end() - 1; // the byte after the brace
            // A body left open by a truncated file runs to the end of the text.
            const std::size_t bodyEnd = braces.matchingClose(bodyStart).value_or(code.size());
            if (!superCalls.found(bodyStart, bodyEnd))
                defects.onDefect(lines.lineAt(m.begin()), kMessage);
            return m.end();
        });
    });
}

} // namespace products::quarvel::rule
