#include "products/quarvel/rule/EmptyCatchBlockRule.h"

#include "products/quarvel/rule/PatternSearch.h"

namespace products::quarvel::rule {
namespace {
const Pattern
    kCatchBlock(R"(\}\s*catch\s*\(.*?\)\s*\{.)",
                {{"catch", {{ByteSet::whiteSpace(), 0, kNoPosition}, {ByteSet::of("}"), 1, 1}}}});
const Pattern kOnlyBlanks(R"([\s\{\}]*)");
const char kMessage[] = "Empty catch block.";
} // namespace

DefectList EmptyCatchBlockRule::checkCode(const std::string& code,
                                          const std::string& fileName) const {
    return collectDefects(kNumber, [&](DefectList& defects) {
        LineCounter lines(code);
        forEachMatch(kCatchBlock, code, [&](const Match& m) -> Resume {
            const std::size_t bodyStart = m.end() - 1; // the character after the brace
            if (const auto close = findMatchingClose(code, bodyStart, '{', '}')) {
                if (matchesWholeBlock(kOnlyBlanks, code, bodyStart, *close))
                    defects.push_back({fileName, lines.lineAt(m.end()), kMessage});
            }
            return m.end(); // inside the block: catches nested in it are examined in turn
        });
    });
}

} // namespace products::quarvel::rule
