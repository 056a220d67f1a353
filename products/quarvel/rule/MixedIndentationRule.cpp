#include "products/quarvel/rule/MixedIndentationRule.h"

#include "products/quarvel/rule/PatternSearch.h"

#include <algorithm>
#include <vector>

namespace products::quarvel::rule {
namespace {
// An indentation is a match of "\n[\x20\t]*": a line feed and the longest run of spaces
// and tabs after it. The rule finds these directly, which gives the same matches.
const char kMessageStart[] = "Mixed indentation style. ";
const char kTabFound[] = "Tab found. ";
const char kSpaceFound[] = "Space found. ";
const char kStyleStart[] = "(File seems indented with ";
const char kSpaceStyle[] = "space";
const char kTabStyle[] = "tab";
const char kMessageEnd[] = ").";
} // namespace

DefectList MixedIndentationRule::checkCode(const std::string& code,
                                           const std::string& fileName) const {
    return collectDefects(kNumber, [&](DefectList& defects) {
        std::uint32_t tabIndented = 0;
        std::uint32_t spaceIndented = 0;
        std::vector<Span> indented; // the line feed and the indentation after it
        // A run never holds a line feed, so every line feed starts one match.
        for (std::size_t lineFeed = code.find('\n'); lineFeed != std::string::npos;
             lineFeed = code.find('\n', lineFeed + 1)) {
            std::size_t end = lineFeed + 1;
            std::size_t tabs = 0;
            while (end < code.size() && (code[end] == ' ' || code[end] == '\t')) {
                tabs += code[end] == '\t';
                ++end;
            }
            const std::size_t length = end - lineFeed - 1;
            if (length == 0)
                continue;
            if (tabs == length)
                ++tabIndented;
            else if (tabs == 0)
                ++spaceIndented;
            indented.push_back(Span{lineFeed, end});
        }

        // A tie, and a file without indented lines, count as indented with spaces.
        const bool spaceStyle = spaceIndented >= tabIndented;
        const char wrong = spaceStyle ? '\t' : ' ';
        const std::string message = std::string(kMessageStart) +
                                    (spaceStyle ? kTabFound : kSpaceFound) + kStyleStart +
                                    (spaceStyle ? kSpaceStyle : kTabStyle) + kMessageEnd;
        LineCounter lines(code);
        for (const Span& span : indented) {
            const auto begin = code.begin() + static_cast<std::ptrdiff_t>(span.begin);
            const auto end = code.begin() + static_cast<std::ptrdiff_t>(span.end);
            if (std::find(begin, end, wrong) != end)
                defects.push_back({fileName, lines.lineAt(span.end), message});
        }
    });
}

} // namespace products::quarvel::rule
