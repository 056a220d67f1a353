#include "products/quarvel/rule/DeadCodeRule.h"

#include "products/quarvel/rule/PatternSearch.h"

namespace products::quarvel::rule {
namespace {
const Pattern kConstantFalseCondition(
    R"(if\s*\(\s*false\s*\)|while\s*\(\s*false\s*\)|for\s*\([^;]*;\s*false\s*;[^)]*\))",
    {{"if"}, {"while"}, {"for"}});
const char kMessage[] = "Dead code detected.";
} // namespace

DefectList DeadCodeRule::checkCode(const std::string& code, const std::string& fileName) const {
    return collectDefects(kNumber, [&](DefectList& defects) {
        LineCounter lines(code);
        forEachMatch(kConstantFalseCondition, code, [&](const Match& m) -> Resume {
            defects.push_back({fileName, lines.lineAt(m.begin()), kMessage});
            return m.end();
        });
    });
}

} // namespace products::quarvel::rule
