#include "products/quarvel/rule/EmptyClassRule.h"

#include "products/quarvel/search/PatternSearch.h"
#include "products/quarvel/search/TextScan.h"

#include <string_view>

namespace products::quarvel::rule {

using namespace search;

namespace {
// A class block is a match of "class([^{]*)\{.": "class", the header up to the first "{"
// (group 1), the brace and one more byte. The rule finds these directly.
const LiteralFinder kClassWord("class");
const Pattern kOnlyBlanks(R"([\s\{\}]*)");

/// An exception class may well be empty; the check gives up on the file at the first one.
bool isExceptionHeader(std::string_view header) {
    return header.find("extends") != std::string::npos &&
           header.find("Exception") != std::string::npos;
}
} // namespace

void EmptyClassRule::checkCode(const std::string& code, DefectListener& defects) const {
    guardSearch(kNumber, [&] {
        LineCounter lines(code);
        BracketIndex braces(code, '{', '}');
        for (std::size_t at = kClassWord.find(code, 0); at != std::string::npos;) {
            const std::size_t headerBegin = at + 5;
            // Each match ends past its brace and the next "class" is looked for from there
            // on, so no stretch is searched for a brace twice.
            const std::size_t brace = code.find('{', headerBegin);
            if (brace == std::string::npos || brace + 1 >= code.size())
                return; // no later "class" has a block either
            if (isExceptionHeader(std::string_view(code.data() + headerBegin, brace - headerBegin)))
                return;
            const std::size_t bodyStart = brace + 1; // the character after the brace
            if (const auto close = braces.matchingClose(bodyStart)) {
                if (matchesWholeBlock(kOnlyBlanks, code, bodyStart, *close))
                    defects.onDefect(lines.lineAt(at), kMessage);
            }
            // Inside the body: nested classes are examined in turn.
            at = kClassWord.find(code, brace + 2);
        }
    });
}

} // namespace products::quarvel::rule
