#include "products/quarvel/rule/MixedIndentationRule.h"

#include "products/quarvel/rule/PatternSearch.h"
#include "products/quarvel/rule/TextScan.h"

#include <cstdint>

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
        // A run never holds a line feed, so every line feed starts one match.
        std::uint32_t tabIndented = 0;
        std::uint32_t spaceIndented = 0;
        forEachByteOf(code, '\n', '\n', 0, code.size(), [&](std::size_t lineFeed) {
            const util::IndentationRun run = util::indentationAt(code, lineFeed + 1);
            if (run.hasTab && !run.hasSpace)
                ++tabIndented;
            else if (run.hasSpace && !run.hasTab)
                ++spaceIndented;
            return true;
        });

        // A tie, and a file without indented lines, count as indented with spaces.
        const bool spaceStyle = spaceIndented >= tabIndented;
        const char wrong = spaceStyle ? '\t' : ' ';
        const std::string message = std::string(kMessageStart) +
                                    (spaceStyle ? kTabFound : kSpaceFound) + kStyleStart +
                                    (spaceStyle ? kSpaceStyle : kTabStyle) + kMessageEnd;
        // Every indentation that holds the wrong byte, in order: each occurrence of that
        // byte is looked at once, and the rest of its line is skipped once it has counted.
        std::int32_t line = 1;
        std::size_t counted = 0; // the line feeds before here are in `line`
        std::size_t skipTo = 0;
        forEachByteOf(code, wrong, wrong, 0, code.size(), [&](std::size_t at) {
            if (at < skipTo)
                return true;
            std::size_t lineFeed = at;
            while (lineFeed > 0 && (code[lineFeed - 1] == ' ' || code[lineFeed - 1] == '\t'))
                --lineFeed;
            if (lineFeed == 0 || code[lineFeed - 1] != '\n')
                return true; // not in an indentation
            --lineFeed;
            const std::size_t end = util::indentationAt(code, lineFeed + 1).end;
            line += static_cast<std::int32_t>(countByte(code, '\n', counted, end));
            counted = end;
            defects.push_back({fileName, line, message});
            skipTo = end;
            return true;
        });
    });
}

} // namespace products::quarvel::rule
