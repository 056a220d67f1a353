#include "products/quarvel/rule/StringLayoutConstraintRule.h"

#include "products/quarvel/search/PatternSearch.h"
#include "products/quarvel/search/TextScan.h"

#include <algorithm>

namespace products::quarvel::rule {

using namespace search;

namespace {
// Reports each match of "\.add\([^;]*("Center"|"North"|"East"|"West"|"South")[^;]*\);".
// Neither [^;]* can pass the first ';' after ".add(", so a call matches exactly when that ';'
// follows a ')' and one of the literals fits between the parenthesis and that ')'. Every
// later ".add(" before the same ';' sees the same ';' and less room, so once a call is
// decided the search goes on after its ';', matched or not.
const char kAdd[] = ".add(";
const LiteralFinder kAddFinder(kAdd);
const std::size_t kAddLength = sizeof(kAdd) - 1;
const std::string kConstraints[] = {"\"Center\"", "\"North\"", "\"East\"", "\"West\"", "\"South\""};

/// True when one of the literals stands wholly in [from, to).
bool holdsConstraint(const std::string& raw, std::size_t from, std::size_t to) {
    const auto end = raw.begin() + static_cast<std::ptrdiff_t>(to);
    for (auto quote = std::find(raw.begin() + static_cast<std::ptrdiff_t>(from), end, '"');
         quote != end; quote = std::find(quote + 1, end, '"')) {
        const std::size_t at = static_cast<std::size_t>(quote - raw.begin());
        for (const std::string& constraint : kConstraints) {
            if (to - at >= constraint.size() && raw.compare(at, constraint.size(), constraint) == 0)
                return true;
        }
    }
    return false;
}
} // namespace

void StringLayoutConstraintRule::checkRaw(const std::string& raw, DefectListener& defects) const {
    guardSearch(kNumber, [&] {
        LineCounter lines(raw);
        for (std::size_t start = kAddFinder.find(raw, 0); start != kNoPosition;) {
            const std::size_t inside = start + kAddLength;
            const std::size_t semicolon = raw.find(';', inside);
            if (semicolon == kNoPosition)
                return; // no call from here on reaches a ';'
            if (raw[semicolon - 1] == ')' && holdsConstraint(raw, inside, semicolon - 1))
                defects.onDefect(lines.lineAt(start), kMessage);
            start = kAddFinder.find(raw, semicolon + 1);
        }
    });
}

} // namespace products::quarvel::rule
