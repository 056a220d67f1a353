#include "products/quarvel/rule/NonFinalParameterRule.h"

#include "products/quarvel/rule/PatternSearch.h"
#include "util/StringHelper.h"

namespace products::quarvel::rule {
namespace {
// Group 1: the parameter list.
const Pattern kParameterListWithBody(
    R"(\w+\s*\(\s*([^()]*)\)[^;\{\}]*?\{.)",
    {{"(", {{ByteSet::whiteSpace(), 0, kNoPosition}, {ByteSet::word(), 1, kNoPosition}}}});
const char kMessage[] = "Declare parameters final.";

/// The parameter list from right after the opening parenthesis. The pattern engine gives the
/// white space after the parenthesis to the `\s*` in front of group 1; the list keeps it, so
/// that a list of white space alone counts as a list.
std::string parameterList(const std::string& code, const Match& m) {
    const std::size_t open = code.find('(', m.begin());
    const std::size_t end = m.group(1).end;
    return code.substr(open + 1, end - (open + 1));
}
} // namespace

DefectList NonFinalParameterRule::checkCode(const std::string& code,
                                            const std::string& fileName) const {
    return collectDefects(kNumber, [&](DefectList& defects) {
        LineCounter lines(code);
        BracketIndex braces(code, '{', '}');
        forEachMatch(kParameterListWithBody, code, [&](const Match& m) -> Resume {
            const std::string list = parameterList(code, m);
            if (!list.empty() && util::StringHelper::countOccurrences(list, "final ") <=
                                     util::StringHelper::countOccurrences(list, ","))
                defects.push_back({fileName, lines.lineAt(m.begin()), kMessage});
            // The body is skipped: statements inside it are not declarations. Without a
            // closing brace the search goes on after the match.
            const auto close = braces.matchingClose(m.end() - 1);
            return close ? *close : m.end();
        });
    });
}

} // namespace products::quarvel::rule
