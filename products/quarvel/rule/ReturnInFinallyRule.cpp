#include "products/quarvel/rule/ReturnInFinallyRule.h"

#include "products/quarvel/rule/PatternSearch.h"

namespace products::quarvel::rule {
namespace {
const Pattern kFinallyBlock(R"(\}\s*finally\s*\{.)",
                            {Anchor("finally", {{ByteSet::whiteSpace(), 0, kNoPosition},
                                                {ByteSet::of("}"), 1, 1}})
                                 .thenAfter(ByteSet::whiteSpace(), 0, ByteSet::of("{"))});
const Pattern
    kReturnWord(R"([\s\{\}]*(return)[\s\{\}]*)",
                {{"return", {{ByteSet::whiteSpace() | ByteSet::of("{}"), 0, kNoPosition}}}});
const char kMessage[] = "Return statement in finally block.";
} // namespace

DefectList ReturnInFinallyRule::checkCode(const std::string& code,
                                          const std::string& fileName) const {
    return collectDefects(kNumber, [&](DefectList& defects) {
        LineCounter lines(code);
        BracketIndex braces(code, '{', '}');
        forEachMatch(kFinallyBlock, code, [&](const Match& m) -> Resume {
            const std::size_t bodyStart = m.end() - 1; // the byte after the brace
            // A block left open by a truncated file runs to the end of the text.
            const std::size_t bodyEnd = braces.matchingClose(bodyStart).value_or(code.size());
            // The first "return" in the body, also inside a longer word or a nested block.
            if (const auto found = searchOnce(kReturnWord, code, bodyStart, bodyEnd))
                defects.push_back({fileName, lines.lineAt(found->group(1).begin), kMessage});
            return m.end(); // inside the block: finally blocks nested in it are examined in turn
        });
    });
}

} // namespace products::quarvel::rule
