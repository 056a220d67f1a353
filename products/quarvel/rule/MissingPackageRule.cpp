#include "products/quarvel/rule/MissingPackageRule.h"

#include "products/quarvel/search/PatternSearch.h"

namespace products::quarvel::rule {

using namespace search;

namespace {
const Pattern kPackageWord(R"(([^\w]|\A)package\s+)", {{"package", {{ByteSet::any(), 0, 1}}}});
} // namespace

void MissingPackageRule::checkCode(const std::string& code, DefectListener& defects) const {
    guardSearch(kNumber, [&] {
        if (!searchOnce(kPackageWord, code))
            defects.onDefect(1, kMessage);
    });
}

} // namespace products::quarvel::rule
