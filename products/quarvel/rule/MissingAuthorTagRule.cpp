#include "products/quarvel/rule/MissingAuthorTagRule.h"

#include "products/quarvel/search/PatternSearch.h"

namespace products::quarvel::rule {

using namespace search;

namespace {
const Pattern kAuthorTag(R"(\s@author\s)", {Anchor("@author", {{ByteSet::whiteSpace(), 1, 1}})
                                                .thenAfter(ByteSet(), 0, ByteSet::whiteSpace())});
constexpr std::int32_t kWholeFileLine = 1;
} // namespace

void MissingAuthorTagRule::checkComments(const std::string& comments, DefectListener& defects) const {
    guardSearch(kNumber, [&] {
        if (!searchOnce(kAuthorTag, comments))
            defects.onDefect(kWholeFileLine, kMessage);
    });
}

} // namespace products::quarvel::rule
