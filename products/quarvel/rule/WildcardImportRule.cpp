#include "products/quarvel/rule/WildcardImportRule.h"

#include "products/quarvel/rule/PatternSearch.h"

namespace products::quarvel::rule {
namespace {
const Pattern kWildcardImport(R"(import\s*[^;]+\*;)", {{"import"}});
const char kMessage[] = "Wildcard import declaration.";
} // namespace

DefectList WildcardImportRule::checkCode(const std::string& code,
                                         const std::string& fileName) const {
    return collectDefects(kNumber, [&](DefectList& defects) {
        LineCounter lines(code);
        forEachMatch(kWildcardImport, code, [&](const Match& m) -> Resume {
            defects.push_back({fileName, lines.lineAt(m.begin()), kMessage});
            return m.end();
        });
    });
}

} // namespace products::quarvel::rule
