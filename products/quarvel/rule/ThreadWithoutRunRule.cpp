#include "products/quarvel/rule/ThreadWithoutRunRule.h"

#include "products/quarvel/rule/PatternSearch.h"

namespace products::quarvel::rule {
namespace {
// Group 1: the text before "class", back to the nearest brace.
const Pattern kThreadSubclass(R"(([^\{\}]*)class\s+\w+\s+extends\s+Thread\s[^\{]*\{.)",
                              {Anchor("class", {{ByteSet::anyExcept("{}"), 0, kNoPosition}})
                                   .thenAfter(ByteSet::whiteSpace(), 1, ByteSet::word())});
const Pattern kRunMethod(R"(public\s+void\s+run\s*\(\s*\))",
                         {Anchor("public").thenAfter(ByteSet::whiteSpace(), 1, ByteSet::of("v"))});
const char kMessage[] = "public void run() not overridden when extending Thread.";
} // namespace

DefectList ThreadWithoutRunRule::checkCode(const std::string& code,
                                           const std::string& fileName) const {
    return collectDefects(kNumber, [&](DefectList& defects) {
        LineCounter lines(code);
        BracketIndex braces(code, '{', '}');
        forEachMatch(kThreadSubclass, code, [&](const Match& m) -> Resume {
            if (m.groupText(code, 1).find("abstract") != std::string::npos)
                return m.end();
            const std::size_t bodyStart = m.end() - 1;
            const auto close = braces.matchingClose(bodyStart);
            const std::size_t bodyEnd = close ? *close : code.size();
            if (!searchOnce(kRunMethod, code, bodyStart, bodyEnd))
                defects.push_back({fileName, lines.lineAt(m.begin()), kMessage});
            return m.end();
        });
    });
}

} // namespace products::quarvel::rule
