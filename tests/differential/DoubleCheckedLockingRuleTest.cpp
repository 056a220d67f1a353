// Rule 1010 walks the double-checked locking idiom by hand, with cursors over its fixed parts,
// remembered next places of the bytes it stops at, hashes to compare the repeated test and an
// index of the text's "new"; here it is compared with the plain algorithm: the stored pattern,
// back-reference and all, searched at every position.
#include "tests/support/Generators.h"
#include "tests/support/PlainSearch.h"
#include "tests/support/RuleHarness.h"
#include "util/parser/compiler/syntaxhighlighter/SourceViews.h"

#include <gtest/gtest.h>

#include <rapidcheck/gtest.h>

namespace {

using namespace quarvel::testing;
using products::quarvel::rule::DefectList;

const Pattern kDoubleCheckedLock(
    R"(if\s*\(([^=\)]+)\s*==\s*null\s*\)\s*\{?\s*synchronized\s*\([^\)]*\)\s*\{\s*if\s*\(\1\s*==\s*null\s*\)\s*\{?\s*[^;]*new[^\}]*\})");
const char kMessage[] = "Broken double lock idiom.";

/// Tested texts whose tests hold more than this many bytes are compared by prefix hashes.
constexpr std::size_t kShortStretch = 256;

struct Reach {
    std::size_t longGroups = 0;
    /// Matches whose group 1 is not the longest that the outer test allows: white space
    /// before its "==" is left out so that the repeated test can match.
    std::size_t shortenedGroups = 0;
    /// Matches whose last "new" is followed at once by a ";" or the "}" that ends them.
    std::size_t newAtLimit = 0;
};

DefectList plainBrokenDoubleLocks(const std::string& raw, Reach* reach = nullptr) {
    const std::string code = util::parser::compiler::syntaxhighlighter::makeSourceViews(raw).code;
    Reach seen;
    DefectList defects;
    plainForEachMatch(kDoubleCheckedLock, code, [&](const Match& m) -> Resume {
        defects.push_back({"T.java", plainLineAt(code, m.begin()), kMessage});
        const auto group = m.group(1);
        seen.longGroups += group.length() > kShortStretch ? 1 : 0;
        seen.shortenedGroups += code[group.end] != '=' ? 1 : 0;
        const std::size_t lastNew = code.rfind("new", m.end());
        seen.newAtLimit += code[lastNew + 3] == ';' || lastNew + 4 == m.end() ? 1 : 0;
        return m.end();
    });
    if (reach)
        *reach = seen;
    return defects;
}

const std::vector<std::string> kLockFragments = {" ",
                                                 "if (x == null)",
                                                 "{",
                                                 "}",
                                                 "synchronized (this)",
                                                 "new",
                                                 ";",
                                                 "if (",
                                                 "x",
                                                 "==",
                                                 "null",
                                                 ")",
                                                 "(",
                                                 "=",
                                                 "\n",
                                                 "\t",
                                                 "\r",
                                                 "\f",
                                                 "if(x==null)",
                                                 "if (x  == null) {",
                                                 "if (y == null)",
                                                 "if (X == null)",
                                                 " == null)",
                                                 "synchronized(lock) ",
                                                 "synchronized (a.b()) ",
                                                 "x = new X();",
                                                 "y",
                                                 ".",
                                                 "/*c*/",
                                                 "// c\n",
                                                 "\"s\"",
                                                 "'c'",
                                                 "\xe9"};

rc::Gen<std::string> lockTexts() {
    return textOf(kLockFragments);
}

/// White space in any of its forms, or none.
rc::Gen<std::string> blanks() {
    return rc::gen::exec([] {
        return *textOfCount(static_cast<std::size_t>(*rc::gen::inRange(0, 3)),
                            {" ", "\t", "\n", "\r", "/**/"});
    });
}

/// The tested text of the outer "if": a short name, or more than 256 bytes of words, dots and
/// white space; it may end in white space itself.
rc::Gen<std::string> testedText() {
    return rc::gen::weightedOneOf<std::string>(
        {{3, rc::gen::elementOf(
                 std::vector<std::string>{"x", "instance", "a.b", "x ", "x\t", " x", "a b"})},
         {1, rc::gen::exec([] {
              return *textOfCount(static_cast<std::size_t>(*rc::gen::inRange(200, 300)),
                                  {"a", "b.", " ", "\n", "c"});
          })}});
}

/// The same text, or one changed at one place: a byte replaced, its last byte dropped, white
/// space added at its end.
rc::Gen<std::string> repeated(const std::string& tested) {
    return rc::gen::exec([tested] {
        std::string copy = tested;
        switch (*rc::gen::inRange(0, 6)) {
        case 0:
            if (!copy.empty())
                copy[static_cast<std::size_t>(*rc::gen::inRange<std::size_t>(0, copy.size()))] =
                    'z';
            break;
        case 1:
            if (!copy.empty())
                copy.pop_back();
            break;
        case 2:
            copy += ' ';
            break;
        default:
            break;
        }
        return copy;
    });
}

/// The idiom, with its parts varied and sometimes broken: the tail after the inner test holds
/// "new" or not, a ";" or not, a "}" or not.
rc::Gen<std::string> idiom() {
    return rc::gen::exec([] {
        const std::string tested = *testedText();
        std::string text = "if" + *blanks() + "(" + tested + *blanks() + "==" + *blanks() + "null" +
                           *blanks() + ")" + *blanks();
        text += *rc::gen::elementOf(std::vector<std::string>{"{", "", "{ "});
        text += *blanks() + "synchronized" + *blanks() + "(" +
                *rc::gen::elementOf(std::vector<std::string>{"this", "", "C.class", "a.b("}) + ")" +
                *blanks() + "{" + *blanks() + "if" + *blanks() + "(" + *repeated(tested) +
                *blanks() + "==" + *blanks() + "null" + *blanks() + ")" + *blanks();
        text += *rc::gen::weightedOneOf<std::string>(
            {{3, textOfCount(static_cast<std::size_t>(*rc::gen::inRange(0, 8)),
                             {"{", " ", "x = ", "new X()", ";", "}", "new", "\n", "=", ")"})},
             {1, rc::gen::elementOf(std::vector<std::string>{"new;}", "new}", "{new X();}", ";new}",
                                                             "new X()\n}", "x=new;y;}",
                                                             "new X(); }"})}});
        return text;
    });
}

rc::Gen<std::string> doubleCheckedLockingTexts() {
    return rc::gen::weightedOneOf<std::string>(
        {{2, lockTexts()},
         {3,
          rc::gen::map(rc::gen::container<std::vector<std::string>>(
                           rc::gen::weightedOneOf<std::string>({{1, idiom()}, {3, lockTexts()}})),
                       joined)}});
}

RC_GTEST_PROP(DoubleCheckedLockingRule, FindsWhatThePlainAlgorithmFinds, ()) {
    const std::string raw = *doubleCheckedLockingTexts();
    RC_ASSERT(describe(runRule(1010, raw)) == describe(plainBrokenDoubleLocks(raw)));
}

TEST(DoubleCheckedLockingRule, GeneratedTextsReachLongAndShortenedGroups) {
    std::size_t reported = 0;
    Reach total;
    for (const std::string& raw : sampleOf(doubleCheckedLockingTexts(), 300)) {
        Reach reach;
        reported += plainBrokenDoubleLocks(raw, &reach).size();
        total.longGroups += reach.longGroups;
        total.shortenedGroups += reach.shortenedGroups;
        total.newAtLimit += reach.newAtLimit;
    }
    EXPECT_GT(reported, 200u);
    EXPECT_GT(total.longGroups, 20u);
    EXPECT_GT(total.shortenedGroups, 30u);
    EXPECT_GT(total.newAtLimit, 30u);
}

} // namespace
