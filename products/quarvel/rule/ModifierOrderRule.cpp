#include "products/quarvel/rule/ModifierOrderRule.h"

#include "products/quarvel/search/PatternSearch.h"

namespace products::quarvel::rule {

using namespace search;

namespace {
// A later modifier followed by an earlier one, for every such pair.
const Pattern kWrongPair(
    R"(abstract\s+public|static\s+public|final\s+public|synchronized\s+public|native\s+public|strictfp\s+public|abstract\s+protected|static\s+protected|final\s+protected|synchronized\s+protected|native\s+protected|strictfp\s+protected|abstract\s+private|static\s+private|final\s+private|synchronized\s+private|native\s+private|strictfp\s+private|static\s+abstract|final\s+abstract|synchronized\s+abstract|native\s+abstract|strictfp\s+abstract|final\s+static|synchronized\s+static|native\s+static|strictfp\s+static|synchronized\s+final|native\s+final|strictfp\s+final|native\s+synchronized|strictfp\s+synchronized)",
    {Anchor("abstract").thenAfter(ByteSet::whiteSpace(), 1, ByteSet::of("p")),
     Anchor("static").thenAfter(ByteSet::whiteSpace(), 1, ByteSet::of("ap")),
     Anchor("final").thenAfter(ByteSet::whiteSpace(), 1, ByteSet::of("aps")),
     Anchor("synchronized").thenAfter(ByteSet::whiteSpace(), 1, ByteSet::of("afps")),
     Anchor("native").thenAfter(ByteSet::whiteSpace(), 1, ByteSet::of("afps")),
     Anchor("strictfp").thenAfter(ByteSet::whiteSpace(), 1, ByteSet::of("afps"))});
} // namespace

void ModifierOrderRule::checkCode(const std::string& code, DefectListener& defects) const {
    guardSearch(kNumber, [&] {
        LineCounter lines(code);
        forEachMatch(kWrongPair, code, [&](const Match& m) -> Resume {
            defects.onDefect(lines.lineAt(m.begin()), kMessage);
            return m.end();
        });
    });
}

} // namespace products::quarvel::rule
