#include "products/quarvel/rule/StringLayoutConstraintRule.h"

#include "products/quarvel/rule/PatternSearch.h"
#include "products/quarvel/rule/TextScan.h"

#include <algorithm>

namespace products::quarvel::rule {
namespace {
// The definition of the rule. Neither [^;]* can pass the first ';' after ".add(", so a
// candidate matches exactly when that ';' follows a ')' and one of the literals fits
// between the parenthesis and that ')'; the search below tests this by hand, looking for
// the literals once per ';' instead of once per candidate.
const Pattern kAddWithConstraint(R"(\.add\([^;]*("Center"|"North"|"East"|"West"|"South")[^;]*\);)",
                                 {{".add("}});
const char kMessage[] = "Do not use String literals when adding components.";
const char kAdd[] = ".add(";
const LiteralFinder kAddFinder(kAdd);
const std::size_t kAddLength = sizeof(kAdd) - 1;
const std::string kConstraints[] = {"\"Center\"", "\"North\"", "\"East\"", "\"West\"", "\"South\""};

/// The last start in [from, close) of a literal that ends at or before `close`, or
/// kNoPosition.
std::size_t lastConstraintStart(const std::string& raw, std::size_t from, std::size_t close) {
    for (std::size_t at = close; at > from;) {
        --at;
        for (const std::string& constraint : kConstraints) {
            if (at + constraint.size() <= close &&
                raw.compare(at, constraint.size(), constraint) == 0)
                return at;
        }
    }
    return kNoPosition;
}
} // namespace

DefectList StringLayoutConstraintRule::checkRaw(const std::string& raw,
                                                const std::string& fileName) const {
    return collectDefects(kNumber, [&](DefectList& defects) {
        LineCounter lines(raw);
        std::size_t semicolon = kNoPosition;  // the ';' the last candidate reached
        std::size_t constraint = kNoPosition; // the last literal before it that fits
        for (std::size_t start = kAddFinder.find(raw, 0); start != kNoPosition;) {
            const std::size_t inside = start + kAddLength;
            if (semicolon == kNoPosition || semicolon < inside) {
                semicolon = raw.find(';', inside);
                if (semicolon == kNoPosition)
                    break; // no candidate from here on can reach a ';'
                constraint = semicolon > inside && raw[semicolon - 1] == ')'
                                 ? lastConstraintStart(raw, inside, semicolon - 1)
                                 : kNoPosition;
            }
            std::size_t resume = start + 1;
            if (constraint != kNoPosition && constraint >= inside) {
                defects.push_back({fileName, lines.lineAt(start), kMessage});
                resume = semicolon + 1;
            }
            start = kAddFinder.find(raw, resume);
        }
    });
}

} // namespace products::quarvel::rule
