#include "products/quarvel/rule/LongLineRule.h"

#include "products/quarvel/rule/PatternSearch.h"

#include <algorithm>

namespace products::quarvel::rule {
namespace {
const char kMessage[] = "Line is too long. Prefer lines no longer than 80 characters.";
constexpr std::size_t kLongestLine = 80;

/// The next occurrence of one byte at or after a position, remembered between calls so
/// that a byte the text lacks is not searched for again on every line.
class NextByte {
  public:
    NextByte(const std::string& text, char byte) : text_(text), byte_(byte) {}
    std::size_t from(std::size_t position) {
        if (!known_ || (found_ != std::string::npos && found_ < position)) {
            found_ = text_.find(byte_, position);
            known_ = true;
        }
        return found_;
    }

  private:
    const std::string& text_;
    char byte_;
    bool known_ = false;
    std::size_t found_ = std::string::npos;
};
} // namespace

DefectList LongLineRule::checkCode(const std::string& code, const std::string& fileName) const {
    return collectDefects(kNumber, [&](DefectList& defects) {
        LineCounter lines(code);
        NextByte carriageReturn(code, '\r');
        NextByte lineFeed(code, '\n');
        std::size_t lineStart = 0;
        while (true) {
            // npos is the largest value, so min picks whichever of the two exists.
            const std::size_t lineEnd =
                std::min(carriageReturn.from(lineStart), lineFeed.from(lineStart));
            if (lineEnd == std::string::npos)
                return; // the last stretch has no line end and is not measured
            if (lineEnd - lineStart > kLongestLine)
                defects.push_back({fileName, lines.lineAt(lineStart), kMessage});
            lineStart = lineEnd + 1;
            // Comments are carriage returns in the code view: a run of them is a run of empty
            // stretches, none of them too long.
            while (lineStart < code.size() && code[lineStart] == '\r')
                ++lineStart;
        }
    });
}

} // namespace products::quarvel::rule
