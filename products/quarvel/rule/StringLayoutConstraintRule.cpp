#include "products/quarvel/rule/StringLayoutConstraintRule.h"

#include "products/quarvel/rule/PatternSearch.h"

namespace products::quarvel::rule {
namespace {
const Pattern kAddWithConstraint(R"(\.add\([^;]*("Center"|"North"|"East"|"West"|"South")[^;]*\);)",
                                 {{".add("}});
const char kMessage[] = "Do not use String literals when adding components.";
} // namespace

DefectList StringLayoutConstraintRule::checkRaw(const std::string& raw,
                                                const std::string& fileName) const {
    return collectDefects(kNumber, [&](DefectList& defects) {
        LineCounter lines(raw);
        forEachMatch(kAddWithConstraint, raw, [&](const Match& m) -> Resume {
            defects.push_back({fileName, lines.lineAt(m.begin()), kMessage});
            return m.end();
        });
    });
}

} // namespace products::quarvel::rule
