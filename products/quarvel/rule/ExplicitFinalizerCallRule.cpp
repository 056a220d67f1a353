#include "products/quarvel/rule/ExplicitFinalizerCallRule.h"

#include "products/quarvel/search/PatternSearch.h"
#include "products/quarvel/search/TextScan.h"

namespace products::quarvel::rule {

using namespace search;

namespace {
// The rule is the pattern "(\w+)\.finalize\(\);|()finalize\(\);", searched by hand: group 1
// is the qualifier, the empty group 2 marks an unqualified call. Every match holds
// "finalize();", so the search goes from one of those to the next: with a dot and a word
// before it the match starts at that word (the whole run of word bytes, back to where the
// search resumed), otherwise at "finalize" itself. (Trying the pattern at every position
// would run \w+ to the end of every long word.)
const char kCall[] = "finalize();";
const LiteralFinder kCallFinder(kCall);
const std::size_t kCallLength = sizeof(kCall) - 1;

} // namespace

void ExplicitFinalizerCallRule::checkCode(const std::string& code, DefectListener& defects) const {
    guardSearch(kNumber, [&] {
        LineCounter lines(code);
        std::size_t resume = 0;
        for (std::size_t call = kCallFinder.find(code, 0); call != kNoPosition;
             call = kCallFinder.find(code, resume)) {
            std::size_t start = call;
            if (call > resume && code[call - 1] == '.') {
                std::size_t word = call - 1;
                while (word > resume && isWordByte(code[word - 1]))
                    --word;
                if (word < call - 1 && code.compare(word, call - 1 - word, "super") != 0)
                    start = word;
                else if (word < call - 1)
                    start = kNoPosition; // super.finalize(): accepted
            }
            if (start != kNoPosition)
                defects.onDefect(lines.lineAt(start), kMessage);
            resume = call + kCallLength;
        }
    });
}

} // namespace products::quarvel::rule
