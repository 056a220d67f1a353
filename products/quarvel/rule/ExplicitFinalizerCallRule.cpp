#include "products/quarvel/rule/ExplicitFinalizerCallRule.h"

#include "products/quarvel/rule/PatternSearch.h"

namespace products::quarvel::rule {
namespace {
// Group 1 is the qualifier; the empty group 2 marks an unqualified call.
const Pattern kFinalizeCall(R"((\w+)\.finalize\(\);|()finalize\(\);)",
                            {{".finalize();", {{ByteSet::word(), 1, kNoPosition}}},
                             {"finalize();"}});
const char kMessage[] = "Explicit finalizer call.";
} // namespace

DefectList ExplicitFinalizerCallRule::checkCode(const std::string& code,
                                                const std::string& fileName) const {
    return collectDefects(kNumber, [&](DefectList& defects) {
        LineCounter lines(code);
        forEachMatch(kFinalizeCall, code, [&](const Match& m) -> Resume {
            if (m.groupText(code, 1) != "super")
                defects.push_back({fileName, lines.lineAt(m.begin()), kMessage});
            return m.end();
        });
    });
}

} // namespace products::quarvel::rule
