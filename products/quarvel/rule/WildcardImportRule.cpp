#include "products/quarvel/rule/WildcardImportRule.h"

#include "products/quarvel/search/PatternSearch.h"
#include "products/quarvel/search/TextScan.h"

namespace products::quarvel::rule {

using namespace search;

namespace {
// The rule is the pattern "import\s*[^;]+\*;", searched by hand: [^;]+ cannot pass the
// first ';' after "import", so a candidate matches exactly when that ';' follows a '*' with
// at least one byte between the keyword and the '*'.
const char kImport[] = "import";
const LiteralFinder kImportFinder(kImport);
const std::size_t kImportLength = sizeof(kImport) - 1;
} // namespace

void WildcardImportRule::checkCode(const std::string& code, DefectListener& defects) const {
    guardSearch(kNumber, [&] {
        LineCounter lines(code);
        NextOf semicolons(code, ";");
        for (std::size_t start = kImportFinder.find(code, 0); start != kNoPosition;) {
            const std::size_t afterKeyword = start + kImportLength;
            const std::size_t semicolon = semicolons.from(afterKeyword);
            if (semicolon == kNoPosition)
                break; // no candidate from here on can reach a ';'
            std::size_t resume = start + 1;
            if (semicolon >= afterKeyword + 2 && code[semicolon - 1] == '*') {
                defects.onDefect(lines.lineAt(start), kMessage);
                resume = semicolon + 1;
            }
            start = kImportFinder.find(code, resume);
        }
    });
}

} // namespace products::quarvel::rule
