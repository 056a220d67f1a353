#include "products/quarvel/rule/MixedIndentationRule.h"

#include "products/quarvel/search/PatternSearch.h"
#include "products/quarvel/search/TextScan.h"

#include <cstdint>
#include <vector>

namespace products::quarvel::rule {

using namespace search;

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

void MixedIndentationRule::checkCode(const std::string& code, DefectListener& defects) const {
    guardSearch(kNumber, [&] {
        // Without a tab no indentation holds one: no line is indented with tabs, so the file
        // counts as indented with spaces, and only indentations with a tab would be reported.
        if (code.find('\t') == std::string::npos)
            return;
        // A run never holds a line feed, so every line feed starts one match.
        const auto forEachIndentation = [&](auto onRun) {
            forEachByteOf(code, '\n', '\n', 0, code.size(), [&](std::size_t lineFeed) {
                onRun(util::indentationAt(code, lineFeed + 1));
                return true;
            });
        };
        std::uint32_t tabIndented = 0;
        std::uint32_t spaceIndented = 0;
        // Where the indentations that hold a tab end: few, in the usual file.
        std::vector<std::size_t> withTab;
        forEachIndentation([&](const util::IndentationRun& run) {
            tabIndented += run.hasTab && !run.hasSpace;
            spaceIndented += run.hasSpace && !run.hasTab;
            if (run.hasTab)
                withTab.push_back(run.end);
        });

        // A tie, and a file without indented lines, count as indented with spaces.
        const bool spaceStyle = spaceIndented >= tabIndented;
        const std::string message = std::string(kMessageStart) +
                                    (spaceStyle ? kTabFound : kSpaceFound) + kStyleStart +
                                    (spaceStyle ? kSpaceStyle : kTabStyle) + kMessageEnd;
        // Reported at the indented line itself, not at the line the line feed ends.
        LineCounter lines(code);
        const auto report = [&](std::size_t end) { defects.onDefect(lines.lineAt(end), message); };
        if (spaceStyle) {
            for (const std::size_t end : withTab)
                report(end);
        } else {
            forEachIndentation([&](const util::IndentationRun& run) {
                if (run.hasSpace)
                    report(run.end);
            });
        }
    });
}

} // namespace products::quarvel::rule
