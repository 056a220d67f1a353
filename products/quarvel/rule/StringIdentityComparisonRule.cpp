#include "products/quarvel/rule/StringIdentityComparisonRule.h"

#include "products/quarvel/rule/PatternSearch.h"

namespace products::quarvel::rule {
namespace {
const Pattern kStringIdentityComparison(
    R"(==\s*"|"\s*==|!=\s*"|"\s*!=)",
    {Anchor("==").thenAfter(ByteSet::whiteSpace(), 0, ByteSet::of("\"")),
     Anchor("\"").thenAfter(ByteSet::whiteSpace(), 0, ByteSet::of("=!")),
     Anchor("!=").thenAfter(ByteSet::whiteSpace(), 0, ByteSet::of("\""))});
} // namespace

void StringIdentityComparisonRule::checkCode(const std::string& code, DefectSink& defects) const {
    guardSearch(kNumber, [&] {
        LineCounter lines(code);
        forEachMatch(kStringIdentityComparison, code, [&](const Match& m) -> Resume {
            defects.report(lines.lineAt(m.begin()), kMessage);
            return m.end();
        });
    });
}

} // namespace products::quarvel::rule
