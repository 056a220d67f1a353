#include "products/quarvel/rule/EmptyForBodyRule.h"

#include "products/quarvel/rule/EmptyStatementBody.h"

namespace products::quarvel::rule {
namespace {
const Pattern kForHeader(R"(\s(for\s*\(.))",
                         {Anchor("for", {{ByteSet::whiteSpace(), 1, 1}})
                              .thenAfter(ByteSet::whiteSpace(), 0, ByteSet::of("("))});
} // namespace

void EmptyForBodyRule::checkCode(const std::string& code, DefectSink& defects) const {
    emptyStatementBodies(kNumber, kForHeader, code, defects, kMessage);
}

} // namespace products::quarvel::rule
