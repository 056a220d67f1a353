#include "products/quarvel/rule/UnknownJavadocTagRule.h"

#include "products/quarvel/search/PatternSearch.h"
#include "products/quarvel/search/TextScan.h"

#include <algorithm>
#include <array>
#include <optional>
#include <string_view>

namespace products::quarvel::rule {

using namespace search;

namespace {
// A block tag is a match of "\s@(\w+)\s": white space, "@", a name of word bytes and white
// space. The name is the longest run of word bytes after the "@" (a shorter one would have a
// word byte after it, not white space), so nextTag finds the matches directly.
const char kOpener[] = "/**";
const char kCloser[] = "*/";
const std::array<const char*, 17> kKnownTags = {
    "author",      "docRoot", "deprecated", "exception", "inheritDoc", "link",
    "linkplain",   "param",   "return",     "see",       "serial",     "serialData",
    "serialField", "since",   "throws",     "value",     "version"};
const char kMessageEnd[] = "' is an unknown javadoc tag.";

bool isKnownTag(std::string_view name) {
    return std::any_of(kKnownTags.begin(), kKnownTags.end(),
                       [&](const char* known) { return name == known; });
}

struct Tag {
    std::size_t nameBegin;
    std::size_t nameEnd;
};

/// The leftmost tag that lies wholly in [from, to), or nullopt.
std::optional<Tag> nextTag(const std::string& text, std::size_t from, std::size_t to) {
    const std::string_view range(text.data(), to);
    for (std::size_t at = range.find('@', from + 1); at != std::string_view::npos;
         at = range.find('@', at + 1)) {
        if (!isBlank(text[at - 1]))
            continue;
        std::size_t end = at + 1;
        while (end < to && isWordByte(text[end]))
            ++end;
        if (end > at + 1 && end < to && isBlank(text[end]))
            return Tag{at + 1, end};
    }
    return std::nullopt;
}
} // namespace

void UnknownJavadocTagRule::checkComments(const std::string& comments, DefectListener& defects) const {
    guardSearch(kNumber, [&] {
        LineCounter lines(comments);
        for (std::size_t opener = comments.find(kOpener); opener != std::string::npos;) {
            // Searched from the opener itself: in "/**/" the closer shares the opener's star.
            const std::size_t closer = comments.find(kCloser, opener);
            if (closer == std::string::npos)
                return; // a comment left open ends the examination
            std::size_t from = opener;
            while (const auto tag = nextTag(comments, from, closer)) {
                const std::string_view name(comments.data() + tag->nameBegin,
                                            tag->nameEnd - tag->nameBegin);
                if (!isKnownTag(name))
                    defects.onDefect(lines.lineAt(tag->nameBegin),
                                   "'" + std::string(name) + kMessageEnd);
                from = tag->nameEnd + 1; // after the white space that ends the tag
            }
            opener = comments.find(kOpener, closer);
        }
    });
}

} // namespace products::quarvel::rule
