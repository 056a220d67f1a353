#include "products/quarvel/rule/DoubleCheckedLockingRule.h"

#include "products/quarvel/rule/PatternSearch.h"

namespace products::quarvel::rule {
namespace {
const Pattern kDoubleCheckedLock(
    R"(if\s*\(([^=\)]+)\s*==\s*null\s*\)\s*\{?\s*synchronized\s*\([^\)]*\)\s*\{\s*if\s*\(\1\s*==\s*null\s*\)\s*\{?\s*[^;]*new[^\}]*\})",
    {{"if"}});
const char kMessage[] = "Broken double lock idiom.";
} // namespace

DefectList DoubleCheckedLockingRule::checkCode(const std::string& code,
                                               const std::string& fileName) const {
    return collectDefects(kNumber, [&](DefectList& defects) {
        LineCounter lines(code);
        forEachMatch(kDoubleCheckedLock, code, [&](const Match& m) -> Resume {
            defects.push_back({fileName, lines.lineAt(m.begin()), kMessage});
            return m.end();
        });
    });
}

} // namespace products::quarvel::rule
