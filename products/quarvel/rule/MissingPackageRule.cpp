#include "products/quarvel/rule/MissingPackageRule.h"

#include "products/quarvel/rule/PatternSearch.h"

namespace products::quarvel::rule {
namespace {
const Pattern kPackageWord(R"(([^\w]|\A)package\s+)", {{"package", {{ByteSet::any(), 0, 1}}}});
const char kMessage[] = "No package declaration found.";
} // namespace

DefectList MissingPackageRule::checkCode(const std::string& code,
                                         const std::string& fileName) const {
    return collectDefects(kNumber, [&](DefectList& defects) {
        if (!searchOnce(kPackageWord, code))
            defects.push_back({fileName, 1, kMessage});
    });
}

} // namespace products::quarvel::rule
