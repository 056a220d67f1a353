#include "products/quarvel/rule/EmptyIfBodyRule.h"

#include "products/quarvel/rule/EmptyStatementBody.h"

namespace products::quarvel::rule {
namespace {
const Pattern kIfHeader(R"([\s\{\}](if\s*\(.))",
                        {Anchor("if", {{ByteSet::whiteSpace() | ByteSet::of("{}"), 1, 1}})
                             .thenAfter(ByteSet::whiteSpace(), 0, ByteSet::of("("))});
} // namespace

void EmptyIfBodyRule::checkCode(const std::string& code, DefectSink& defects) const {
    emptyStatementBodies(kNumber, kIfHeader, code, defects, kMessage);
}

} // namespace products::quarvel::rule
