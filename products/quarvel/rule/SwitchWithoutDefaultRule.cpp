#include "products/quarvel/rule/SwitchWithoutDefaultRule.h"

#include "products/quarvel/rule/PatternSearch.h"

#include <string_view>

namespace products::quarvel::rule {
namespace {
const Pattern
    kSwitchBlock(R"(switch\s*\(\s*\w*\s*\)\s*\{.)",
                 {Anchor("switch").thenAfter(ByteSet::whiteSpace(), 0, ByteSet::of("("))});
const char kDefaultLabel[] = "default";
const char kMessage[] = "No default case found in switch block.";
} // namespace

DefectList SwitchWithoutDefaultRule::checkCode(const std::string& code,
                                               const std::string& fileName) const {
    return collectDefects(kNumber, [&](DefectList& defects) {
        LineCounter lines(code);
        BracketIndex braces(code, '{', '}');
        forEachMatch(kSwitchBlock, code, [&](const Match& m) -> Resume {
            const std::size_t bodyStart = m.end() - 1; // the byte after the brace
            const std::size_t bodyEnd = braces.matchingClose(bodyStart).value_or(code.size());
            // Any occurrence counts, inside a longer word or a nested switch as well.
            const std::string_view body(code.data() + bodyStart, bodyEnd - bodyStart);
            if (body.find(kDefaultLabel) == std::string_view::npos)
                defects.push_back({fileName, lines.lineAt(m.begin()), kMessage});
            return m.end(); // inside the block: nested switches are examined in turn
        });
    });
}

} // namespace products::quarvel::rule
