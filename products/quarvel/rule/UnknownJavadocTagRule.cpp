#include "products/quarvel/rule/UnknownJavadocTagRule.h"

#include "products/quarvel/rule/PatternSearch.h"

#include <algorithm>
#include <array>

namespace products::quarvel::rule {
namespace {
const Pattern kBlockTag(
    R"(\s@(\w+)\s)",
    {Anchor("@", {{ByteSet::whiteSpace(), 1, 1}}).thenAfter(ByteSet(), 0, ByteSet::word())});
const char kOpener[] = "/**";
const char kCloser[] = "*/";
const std::array<const char*, 17> kKnownTags = {
    "author",      "docRoot", "deprecated", "exception", "inheritDoc", "link",
    "linkplain",   "param",   "return",     "see",       "serial",     "serialData",
    "serialField", "since",   "throws",     "value",     "version"};
const char kMessageEnd[] = "' is an unknown javadoc tag.";

bool isKnownTag(const std::string& name) {
    return std::any_of(kKnownTags.begin(), kKnownTags.end(),
                       [&](const char* known) { return name == known; });
}
} // namespace

void UnknownJavadocTagRule::checkComments(const std::string& comments, DefectSink& defects) const {
    guardSearch(kNumber, [&] {
        LineCounter lines(comments);
        for (std::size_t opener = comments.find(kOpener); opener != std::string::npos;) {
            // Searched from the opener itself: in "/**/" the closer shares the opener's star.
            const std::size_t closer = comments.find(kCloser, opener);
            if (closer == std::string::npos)
                return; // a comment left open ends the examination
            forEachMatch(
                kBlockTag, comments,
                [&](const Match& m) -> Resume {
                    const std::string name = m.groupText(comments, 1);
                    if (!isKnownTag(name))
                        defects.report(lines.lineAt(m.group(1).begin), "'" + name + kMessageEnd);
                    return m.end();
                },
                opener, closer);
            opener = comments.find(kOpener, closer);
        }
    });
}

} // namespace products::quarvel::rule
