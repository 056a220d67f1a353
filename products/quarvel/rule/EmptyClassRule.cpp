#include "products/quarvel/rule/EmptyClassRule.h"

#include "products/quarvel/rule/PatternSearch.h"

namespace products::quarvel::rule {
namespace {
const Pattern kClassBlock(R"(class([^{]*)\{.)", {{"class"}});
const Pattern kOnlyBlanks(R"([\s\{\}]*)");
const char kMessage[] = "Empty class found.";

/// An exception class may well be empty; the check gives up on the file at the first one.
bool isExceptionHeader(const std::string& header) {
    return header.find("extends") != std::string::npos &&
           header.find("Exception") != std::string::npos;
}
} // namespace

DefectList EmptyClassRule::checkCode(const std::string& code, const std::string& fileName) const {
    return collectDefects(kNumber, [&](DefectList& defects) {
        LineCounter lines(code);
        BracketIndex braces(code, '{', '}');
        forEachMatch(kClassBlock, code, [&](const Match& m) -> Resume {
            if (isExceptionHeader(m.groupText(code, 1)))
                return std::nullopt;
            const std::size_t bodyStart = m.end() - 1; // the character after the brace
            if (const auto close = braces.matchingClose(bodyStart)) {
                if (matchesWholeBlock(kOnlyBlanks, code, bodyStart, *close))
                    defects.push_back({fileName, lines.lineAt(m.begin()), kMessage});
            }
            return m.end(); // inside the body: nested classes are examined in turn
        });
    });
}

} // namespace products::quarvel::rule
