#include "products/quarvel/rule/EmptyWhileBodyRule.h"

#include "products/quarvel/rule/EmptyStatementBody.h"

namespace products::quarvel::rule {
namespace {
// Headers are matches of "[\s\{\};]+(while\s*\(.)".
const StatementHeader kWhileHeader{search::ByteSet::whiteSpace() | search::ByteSet::of("{};"),
                                   search::LiteralFinder("while")};

/// True when a '}' stands before the keyword with nothing but spaces, tabs, carriage returns
/// and at most one line feed between them: then the while closes a do statement. The first
/// character of the text is never looked at.
bool closesDoStatement(const std::string& code, std::size_t keyword) {
    int lineFeeds = 0;
    for (std::size_t i = keyword; i-- > 1;) {
        const char c = code[i];
        if (c == ' ' || c == '\t' || c == '\r')
            continue;
        if (c == '\n') {
            if (++lineFeeds == 2)
                return false;
            continue;
        }
        return c == '}';
    }
    return false;
}
} // namespace

void EmptyWhileBodyRule::checkCode(const std::string& code, DefectListener& defects) const {
    emptyStatementBodies(kNumber, kWhileHeader, code, defects, kMessage,
                         [&](std::size_t keyword) { return closesDoStatement(code, keyword); });
}

} // namespace products::quarvel::rule
