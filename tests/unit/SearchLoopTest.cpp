#include "products/quarvel/rule/Rule.h"
#include "products/quarvel/search/PatternSearch.h"
#include "tests/unit/TemporaryFolder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <clocale>
#include <random>

using namespace products::quarvel::search;

namespace {

std::vector<std::pair<std::size_t, std::size_t>> allMatches(const Pattern& pattern,
                                                            const std::string& text) {
    std::vector<std::pair<std::size_t, std::size_t>> found;
    forEachMatch(pattern, text, [&](const Match& m) -> Resume {
        found.emplace_back(m.begin(), m.end());
        return m.end();
    });
    return found;
}

using Spans = std::vector<std::pair<std::size_t, std::size_t>>;

TEST(PatternDialect, DotMatchesEveryByte) {
    const Pattern dot("a.b");
    EXPECT_TRUE(searchOnce(dot, "a\nb"));
    EXPECT_TRUE(searchOnce(dot, "a\rb"));
    EXPECT_TRUE(searchOnce(dot, std::string("a\0b", 3)));
    EXPECT_TRUE(searchOnce(dot, "a\xff"
                                "b"));
}

TEST(PatternDialect, ClassesAreAsciiWhateverTheLocale) {
    std::setlocale(LC_ALL, "C.UTF-8");
    const Pattern space("x\\sy");
    const Pattern word("x\\wy");
    EXPECT_TRUE(searchOnce(space, "x\ty"));
    EXPECT_TRUE(searchOnce(space, "x\ry"));
    EXPECT_TRUE(searchOnce(space, "x\vy"));
    EXPECT_TRUE(searchOnce(word, "x_y"));
    for (int byte = 128; byte < 256; ++byte) {
        const std::string text = std::string("x") + static_cast<char>(byte) + "y";
        EXPECT_FALSE(searchOnce(space, text)) << byte;
        EXPECT_FALSE(searchOnce(word, text)) << byte;
    }
    const Pattern alpha("[[:alpha:]_]+");
    const auto m = searchOnce(alpha, "1\xe9_ab2");
    ASSERT_TRUE(m);
    EXPECT_EQ(m->begin(), 2u);
    EXPECT_EQ(m->end(), 5u);
    std::setlocale(LC_ALL, "C");
}

TEST(PatternDialect, StartAnchorHoldsOnlyAtTheStartOfAFirstSearch) {
    const Pattern anchored("\\A\\)\\s*;");
    EXPECT_TRUE(searchOnce(anchored, "x) ;", 1));
    EXPECT_FALSE(searchOnce(anchored, "x) ;", 0));
    const Pattern startOrSemicolon("(;|\\A)a");
    // The resumed search must not take its start for the start of the text.
    EXPECT_EQ(allMatches(startOrSemicolon, "aa;a"), (Spans{{0, 1}, {2, 4}}));
}

TEST(PatternDialect, LazyRepeatStopsAtTheFirstSuccess) {
    const Pattern lazy("\\(.*?\\)");
    const auto m = searchOnce(lazy, "f(a) g(b)");
    ASSERT_TRUE(m);
    EXPECT_EQ(m->end(), 4u);
}

TEST(PatternDialect, BackReferenceRepeatsTheGroupExactly) {
    const Pattern twice("import\\s+([^*;]+);[^\\(\\{]*?import\\s+\\1;");
    EXPECT_TRUE(searchOnce(twice, "import a.B;\nimport a.B;"));
    EXPECT_FALSE(searchOnce(twice, "import a.B;\nimport a.b;"));
    EXPECT_FALSE(searchOnce(twice, "import a.B;\nvoid f() {}\nimport a.B;"));
}

TEST(PatternDialect, GroupsThatTakeNoPart) {
    const Pattern call("(\\w+)\\.finalize\\(\\);|()finalize\\(\\);");
    const std::string text = "finalize();";
    const auto m = searchOnce(call, text);
    ASSERT_TRUE(m);
    EXPECT_FALSE(m->group(1).matched());
    EXPECT_TRUE(m->group(2).matched());
    EXPECT_EQ(m->groupText(text, 1), "");
    EXPECT_FALSE(m->group(9).matched());
}

TEST(SearchLoop, SubRangeAndResumption) {
    const Pattern word("ab");
    EXPECT_EQ(allMatches(word, "ab ab ab"), (Spans{{0, 2}, {3, 5}, {6, 8}}));
    // A match may not reach past the end of the range.
    EXPECT_FALSE(searchOnce(word, "xxab", 0, 3));
    EXPECT_TRUE(searchOnce(word, "xxab", 2, 4));
    EXPECT_FALSE(searchOnce(word, "ab", 3, 2));
    EXPECT_TRUE(allMatches(word, "").empty());
}

TEST(SearchLoop, ResumptionThatDoesNotAdvanceStops) {
    const Pattern any("a");
    int calls = 0;
    forEachMatch(any, "aaaa", [&](const Match& m) -> Resume {
        ++calls;
        return m.begin(); // would find the same match forever
    });
    EXPECT_EQ(calls, 1);
}

TEST(SearchLoop, StopsWhenTheHandlerSaysSo) {
    const Pattern any("a");
    int calls = 0;
    forEachMatch(any, "aaaa", [&](const Match&) -> Resume {
        ++calls;
        return std::nullopt;
    });
    EXPECT_EQ(calls, 1);
}

TEST(MatchesWholeBlock, TheMatchMustCoverTheRange) {
    const Pattern blanks("[\\s\\{\\}]*");
    const std::string text = "{ \n { } }x";
    EXPECT_TRUE(matchesWholeBlock(blanks, text, 1, 9));
    EXPECT_TRUE(matchesWholeBlock(blanks, text, 1, 1)); // an empty body
    EXPECT_FALSE(matchesWholeBlock(blanks, text, 1, 10));
    const Pattern superCall("[\\{\\}\\s]*super\\s*\\.\\s*finalize\\s*\\(\\s*\\)\\s*;[\\{\\}\\s]*");
    EXPECT_TRUE(matchesWholeBlock(superCall, " super.finalize(); ", 0, 19));
    EXPECT_FALSE(matchesWholeBlock(superCall, " x(); super.finalize(); ", 0, 24));
}

TEST(GuardSearch, EngineLimitsEndTheRulesSearchAndKeepItsDefects) {
    testsupport::TemporaryFolder folder; // the report goes to assertion.txt here
    const Pattern marker("M");
    const Pattern explosive("(.*?,){11}P"); // backtracks without end on a long line of commas
    const std::string text = "M M " + std::string(30000, ',');
    testing::internal::CaptureStdout();
    products::quarvel::rule::DefectCollector found("F.java");
    guardSearch(1234, [&] {
        forEachMatch(marker, text, [&](const Match& m) -> Resume {
            found.onDefect(1, "marker");
            searchOnce(explosive, text, m.end()); // gives up on the first marker
            return m.end();
        });
    });
    const std::string printed = testing::internal::GetCapturedStdout();
    EXPECT_EQ(found.defects().size(), 1u);
    EXPECT_NE(printed.find("Assertion failed. Message: the searches of rule 1234 stay within"),
              std::string::npos)
        << printed;
}

/// Every match, found once through the anchors and once at every position.
struct BothWays {
    Spans anchored;
    Spans everyPosition;
};

BothWays matchBothWays(const Pattern& pattern, const std::string& text) {
    BothWays found;
    found.anchored = allMatches(pattern, text);
    Pattern::searchEveryPositionForTesting(true);
    found.everyPosition = allMatches(pattern, text);
    Pattern::searchEveryPositionForTesting(false);
    return found;
}

TEST(Anchors, FindTheSameMatchesAsASearchAtEveryPosition) {
    const Pattern leadingLiteral(R"(throw\s+(Exception|Error))", {{"throw", {}}});
    const Pattern fixedRunBefore(R"(\s@(\w+)\s)", {{"@", {{ByteSet::whiteSpace(), 1, 1}}}});
    const Pattern variableRunBefore(
        R"([\s\{\};]+(while\s*\(.))",
        {{"while", {{ByteSet::whiteSpace() | ByteSet::of("{};"), 1, kNoPosition}}}});
    const Pattern twoRunsBefore(
        R"(\w+\s*\(\s*([^()]*)\)[^;\{\}]*?\{.)",
        {{"(", {{ByteSet::whiteSpace(), 0, kNoPosition}, {ByteSet::word(), 1, kNoPosition}}}});
    const Pattern alternatives(R"(System\.err\.print|System\.out\.print|.printStackTrace\(\);)",
                               {{"System.err.print", {}},
                                {"System.out.print", {}},
                                {"printStackTrace();", {{ByteSet::any(), 1, 1}}}});
    const Pattern checkedAfter(
        R"(==\s*"|"\s*==)", {Anchor("==").thenAfter(ByteSet::whiteSpace(), 0, ByteSet::of("\"")),
                             Anchor("\"").thenAfter(ByteSet::whiteSpace(), 0, ByteSet::of("="))});
    // A literal that can stand again one byte later ("===") with no promise about what follows
    // it: the engine turns the first place down, and the next candidate is the second.
    const Pattern overlappingLiteral(R"(==\s*")", {Anchor("==")});
    const Pattern startAnchor(R"((;|\A)while)", {{"while", {{ByteSet::of(";"), 0, 1}}}});
    // "=" next to "==" makes runs in which an anchor's literal stands again one byte later.
    static const std::string pieces[] = {"a b",       "==",
                                         "=",         "\"",
                                         "throw",     " ",
                                         "Exception", "Error",
                                         "@",         "x",
                                         "\n",        "while",
                                         "(",         ")",
                                         "{",         "}",
                                         ";",         "System.out.print",
                                         "e.",        "printStackTrace();",
                                         "\t"};
    std::mt19937 random(7);
    std::uniform_int_distribution<std::size_t> pick(0, std::size(pieces) - 1);
    for (int round = 0; round < 2000; ++round) {
        std::string text;
        for (int k = 0; k < round % 40; ++k)
            text += pieces[pick(random)];
        for (const Pattern* pattern :
             {&leadingLiteral, &fixedRunBefore, &variableRunBefore, &twoRunsBefore, &alternatives,
              &checkedAfter, &overlappingLiteral}) {
            const BothWays found = matchBothWays(*pattern, text);
            ASSERT_EQ(found.anchored, found.everyPosition) << pattern->text() << " in " << text;
        }
        // Sub-ranges: the anchors never look before the range, and \A holds at its start.
        const std::size_t from = text.size() / 3;
        const auto anchored = searchOnce(startAnchor, text, from);
        Pattern::searchEveryPositionForTesting(true);
        const auto plain = searchOnce(startAnchor, text, from);
        Pattern::searchEveryPositionForTesting(false);
        ASSERT_EQ(anchored.has_value(), plain.has_value()) << text;
        if (anchored) {
            ASSERT_EQ(anchored->begin(), plain->begin()) << text;
        }
    }
}

TEST(Anchors, ATextWithoutTheLiteralIsNotSearched) {
    // The pattern alone would give up on this text; the missing literal decides at once.
    const Pattern explosive("(.*?,){11}P", {{"P", {}}});
    EXPECT_FALSE(searchOnce(explosive, std::string(30000, ',')));
}

} // namespace
