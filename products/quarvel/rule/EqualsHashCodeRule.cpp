#include "products/quarvel/rule/EqualsHashCodeRule.h"

#include "products/quarvel/search/PatternSearch.h"
#include "util/StringHelper.h"

namespace products::quarvel::rule {

using namespace search;

namespace {
const Pattern
    kEqualsDeclaration(R"(boolean\s*equals\(\s*Object\s)",
                       {Anchor("boolean").thenAfter(ByteSet::whiteSpace(), 0, ByteSet::of("e"))});
const Pattern kHashCodeDeclaration(
    R"(int\s*hashCode\(\))",
    {{"hashCode()", {{ByteSet::whiteSpace(), 0, kNoPosition}, {ByteSet::of("int"), 3, 3}}}});

struct Occurrences {
    std::size_t count = 0;
    std::size_t lastStart = 0;
};

Occurrences occurrencesOf(const Pattern& pattern, const std::string& code) {
    Occurrences found;
    forEachMatch(pattern, code, [&](const Match& m) -> Resume {
        ++found.count;
        found.lastStart = m.begin();
        return m.end();
    });
    return found;
}
} // namespace

void EqualsHashCodeRule::checkCode(const std::string& code, DefectListener& defects) const {
    guardSearch(kNumber, [&] {
        // Only whole-file counts are compared, so one class with equals and another with
        // hashCode balance each other.
        const Occurrences equals = occurrencesOf(kEqualsDeclaration, code);
        const Occurrences hashCode = occurrencesOf(kHashCodeDeclaration, code);
        if (equals.count == hashCode.count)
            return;
        const Occurrences& more = equals.count > hashCode.count ? equals : hashCode;
        defects.onDefect(util::lineNumberAt(code, more.lastStart), kMessage);
    });
}

} // namespace products::quarvel::rule
