#include "products/quarvel/rule/EmptyForBodyRule.h"

#include "products/quarvel/rule/EmptyStatementBody.h"

namespace products::quarvel::rule {
namespace {
// Headers are matches of "\s(for\s*\(.)".
const StatementHeader kForHeader{search::ByteSet::whiteSpace(), search::LiteralFinder("for")};
} // namespace

void EmptyForBodyRule::checkCode(const std::string& code, DefectListener& defects) const {
    emptyStatementBodies(kNumber, kForHeader, code, defects, kMessage);
}

} // namespace products::quarvel::rule
