#include "products/quarvel/rule/EmptyForBodyRule.h"

#include "products/quarvel/rule/EmptyStatementBody.h"

namespace products::quarvel::rule {
namespace {
const Pattern kForHeader(R"(\s(for\s*\(.))", {{"for", {{ByteSet::whiteSpace(), 1, 1}}}});
const char kMessage[] = "for statement with empty body.";
} // namespace

DefectList EmptyForBodyRule::checkCode(const std::string& code, const std::string& fileName) const {
    return emptyStatementBodies(kNumber, kForHeader, code, fileName, kMessage);
}

} // namespace products::quarvel::rule
