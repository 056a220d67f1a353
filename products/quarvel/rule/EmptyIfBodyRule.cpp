#include "products/quarvel/rule/EmptyIfBodyRule.h"

#include "products/quarvel/rule/EmptyStatementBody.h"

namespace products::quarvel::rule {
namespace {
// Headers are matches of "[\s\{\}](if\s*\(.)".
const StatementHeader kIfHeader{search::ByteSet::whiteSpace() | search::ByteSet::of("{}"),
                                search::LiteralFinder("if")};
} // namespace

void EmptyIfBodyRule::checkCode(const std::string& code, DefectListener& defects) const {
    emptyStatementBodies(kNumber, kIfHeader, code, defects, kMessage);
}

} // namespace products::quarvel::rule
