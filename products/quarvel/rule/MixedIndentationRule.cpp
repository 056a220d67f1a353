#include "products/quarvel/rule/MixedIndentationRule.h"

#include "products/quarvel/rule/PatternSearch.h"
#include "util/StringHelper.h"

#include <algorithm>
#include <vector>

namespace products::quarvel::rule {
namespace {
const Pattern kIndentation(R"(\n[\x20\t]*)", {{"\n"}});
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
        forEachMatch(kIndentation, code, [&](const Match& m) -> Resume {
            const std::string indentation = code.substr(m.begin() + 1, m.end() - m.begin() - 1);
            if (!indentation.empty()) {
                if (util::StringHelper::countOccurrences(indentation, "\t") == indentation.size())
                    ++tabIndented;
                else if (util::StringHelper::countOccurrences(indentation, " ") ==
                         indentation.size())
                    ++spaceIndented;
                indented.push_back(m.group(0));
            }
            return m.end();
        });

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
