#include "products/quarvel/rule/PatternSearch.h"

#include "products/quarvel/rule/TextScan.h"
#include "tests/unit/TemporaryFolder.h"
#include "util/StringHelper.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <clocale>
#include <random>

using namespace products::quarvel::rule;

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

TEST(FindMatchingClose, CountsFromTheStartWithOneOpen) {
    EXPECT_EQ(findMatchingClose("{}", 1, '{', '}'), 1u);
    EXPECT_EQ(findMatchingClose("{ {a} b }", 1, '{', '}'), 8u);
    EXPECT_EQ(findMatchingClose("(a(b(c)));", 1, '(', ')'), 8u);
    EXPECT_FALSE(findMatchingClose("{ {", 1, '{', '}'));
    EXPECT_FALSE(findMatchingClose("{", 5, '{', '}'));
}

/// A text of brackets of both kinds and other bytes; openWeight out of 10 of the brackets
/// open, so that weights above 5 leave most of the text unclosed.
std::string randomBracketText(std::mt19937& random, std::size_t size, unsigned openWeight) {
    std::string text(size, ' ');
    for (char& c : text) {
        const unsigned draw = random() % 14;
        if (draw < 10)
            c = draw < openWeight ? '(' : ')';
        else
            c = "{}x\n"[draw - 10];
    }
    return text;
}

/// The matching close by counting byte by byte: the reference for the faster scans.
std::optional<std::size_t> countedClose(const std::string& text, std::size_t start, char open,
                                        char close) {
    std::size_t depth = 1;
    for (std::size_t i = start; i < text.size(); ++i) {
        if (text[i] == open)
            ++depth;
        else if (text[i] == close && --depth == 0)
            return i;
    }
    return std::nullopt;
}

/// Asks one index about every start (and two past the end) in a random order, as rules do
/// not ask in order either, and compares each answer with findMatchingClose and with a
/// count byte by byte.
void expectSameAnswersAsFindMatchingClose(std::mt19937& random, const std::string& text) {
    std::vector<std::size_t> starts(text.size() + 3);
    for (std::size_t i = 0; i < starts.size(); ++i)
        starts[i] = i;
    std::shuffle(starts.begin(), starts.end(), random);
    BracketIndex parentheses(text, '(', ')');
    BracketIndex braces(text, '{', '}');
    for (const std::size_t start : starts) {
        ASSERT_EQ(parentheses.matchingClose(start), findMatchingClose(text, start, '(', ')'))
            << "start " << start << " of " << text.size();
        ASSERT_EQ(braces.matchingClose(start), findMatchingClose(text, start, '{', '}'))
            << "start " << start << " of " << text.size();
        ASSERT_EQ(findMatchingClose(text, start, '{', '}'), countedClose(text, start, '{', '}'))
            << "start " << start << " of " << text.size();
    }
}

TEST(BracketIndex, AnswersLikeFindMatchingCloseOnShortTexts) {
    std::mt19937 random(11);
    for (int round = 0; round < 3000; ++round) {
        const std::string text = randomBracketText(random, random() % 40, 3 + random() % 5);
        expectSameAnswersAsFindMatchingClose(random, text);
    }
}

// Long texts make the direct scans exceed their allowance, so most answers come from the index.
TEST(BracketIndex, AnswersLikeFindMatchingCloseOnceIndexed) {
    std::mt19937 random(12);
    for (const unsigned openWeight : {3u, 5u, 6u, 9u}) {
        for (const std::size_t size : {5000u, 12000u}) {
            const std::string text = randomBracketText(random, size, openWeight);
            expectSameAnswersAsFindMatchingClose(random, text);
        }
    }
}

TEST(BracketIndex, DeepNestingAndUnclosedStretches) {
    std::mt19937 random(13);
    const std::string nested = std::string(6000, '(') + std::string(6000, ')');
    expectSameAnswersAsFindMatchingClose(random, nested);
    expectSameAnswersAsFindMatchingClose(random, std::string(9000, '('));
    expectSameAnswersAsFindMatchingClose(random, std::string(9000, ')') + std::string(9000, '('));
    expectSameAnswersAsFindMatchingClose(random, std::string(9000, '(') + "))" + nested);
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

TEST(CollectDefects, EngineLimitsEndTheRulesSearchAndKeepItsDefects) {
    testsupport::TemporaryFolder folder; // the report goes to assertion.txt here
    const Pattern marker("M");
    const Pattern explosive("(.*?,){11}P"); // backtracks without end on a long line of commas
    const std::string text = "M M " + std::string(30000, ',');
    testing::internal::CaptureStdout();
    const DefectList defects = collectDefects(1234, [&](DefectList& found) {
        forEachMatch(marker, text, [&](const Match& m) -> Resume {
            found.push_back({"F.java", 1, "marker"});
            searchOnce(explosive, text, m.end()); // gives up on the first marker
            return m.end();
        });
    });
    const std::string printed = testing::internal::GetCapturedStdout();
    EXPECT_EQ(defects.size(), 1u);
    EXPECT_NE(printed.find("Assertion failed. Message: the searches of rule 1234 stay within"),
              std::string::npos)
        << printed;
}

TEST(LineCounter, AgreesWithLineNumberAtInAnyOrder) {
    const std::string text = "a\nbb\n\nccc\n";
    LineCounter lines(text);
    for (std::size_t p : {0u, 3u, 5u, 9u, 1u, 10u, 2u, 40u})
        EXPECT_EQ(lines.lineAt(p), util::lineNumberAt(text, p)) << p;
}

} // namespace

namespace {

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
    const Pattern startAnchor(R"((;|\A)while)", {{"while", {{ByteSet::of(";"), 0, 1}}}});
    static const std::string pieces[] = {"a b",
                                         "==",
                                         "\"",
                                         "throw",
                                         " ",
                                         "Exception",
                                         "Error",
                                         "@",
                                         "x",
                                         "\n",
                                         "while",
                                         "(",
                                         ")",
                                         "{",
                                         "}",
                                         ";",
                                         "System.out.print",
                                         "e.",
                                         "printStackTrace();",
                                         "\t"};
    std::mt19937 random(7);
    std::uniform_int_distribution<std::size_t> pick(0, std::size(pieces) - 1);
    for (int round = 0; round < 2000; ++round) {
        std::string text;
        for (int k = 0; k < round % 40; ++k)
            text += pieces[pick(random)];
        for (const Pattern* pattern : {&leadingLiteral, &fixedRunBefore, &variableRunBefore,
                                       &twoRunsBefore, &alternatives, &checkedAfter}) {
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

namespace {

TEST(LiteralFinder, FindsWhatStringFindFinds) {
    std::mt19937 random(11);
    const std::string alphabet = "ipmortkg .;(@z";
    for (const std::string literal :
         {"import", "package", "(", "p", "getClass", "kk", "t(", "@author", "!=", "z."}) {
        const LiteralFinder finder(literal);
        for (int round = 0; round < 300; ++round) {
            std::string text;
            for (int k = 0; k < round % 50; ++k)
                text += random() % 5 == 0 ? literal
                                          : std::string(1, alphabet[random() % alphabet.size()]);
            for (std::size_t from = 0; from <= text.size() + 1; ++from) {
                ASSERT_EQ(finder.find(text, from), text.find(literal, from))
                    << literal << " in " << text << " from " << from;
                const std::size_t to = from + round % 37;
                const std::size_t inRange = text.substr(0, std::min(to, text.size()))
                                                .find(literal, std::min(from, text.size() + 1));
                ASSERT_EQ(finder.find(text, from, to),
                          from > text.size() ? std::string::npos : inRange)
                    << literal << " in " << text << " from " << from << " to " << to;
            }
        }
    }
}

} // namespace

namespace {

TEST(FindFirstOf, FindsWhatStringFindFirstOfFinds) {
    const std::string text = "ab;c=d\n;;e";
    for (const char* bytes : {";=", ";", "x", "\n;", "e"}) {
        for (std::size_t from = 0; from <= text.size() + 1; ++from)
            EXPECT_EQ(findFirstOf(text, bytes, from), text.find_first_of(bytes, from))
                << bytes << " from " << from;
    }
}

} // namespace

namespace {

TEST(StretchHashes, ShortAndLongStretchesHashAlike) {
    std::mt19937 random(23);
    std::string text;
    for (int i = 0; i < 3000; ++i)
        text += "ab.;\xff"[random() % 5];
    const auto horner = [&](std::size_t begin, std::size_t end) {
        std::uint64_t hash = 0;
        for (std::size_t i = begin; i < end; ++i)
            hash = hash * 1000003 + static_cast<unsigned char>(text[i]) + 1;
        return hash;
    };
    StretchHashes hashes(text);
    for (int round = 0; round < 2000; ++round) {
        const std::size_t length = random() % 600;
        const std::size_t begin = random() % (text.size() - length);
        ASSERT_EQ(hashes.of(begin, begin + length), horner(begin, begin + length))
            << begin << "+" << length;
    }
    // Equal stretches of one text hash alike whichever way each is computed.
    const std::string repeated = std::string(400, 'x') + ";" + std::string(400, 'x');
    StretchHashes repeatedHashes(repeated);
    EXPECT_EQ(repeatedHashes.of(0, 300), repeatedHashes.of(401, 701));
    EXPECT_EQ(repeatedHashes.of(0, 100), repeatedHashes.of(401, 501));
    EXPECT_NE(repeatedHashes.of(0, 300), repeatedHashes.of(300, 600));
}

} // namespace

namespace {

// Nested blocks ask about ranges whose starts grow and whose ends shrink, then jump back out.
TEST(MatchWithin, AnswersLikeASearchOfTheRange) {
    const Pattern call(R"(getClass\s*\(\s*\))");
    std::mt19937 random(29);
    const std::string pieces[] = {"getClass()", "getClass (", " ", ")", "x", "\n"};
    for (int round = 0; round < 300; ++round) {
        std::string text;
        for (int k = 0; k < 60; ++k)
            text += pieces[random() % std::size(pieces)];
        MatchWithin within(call, text);
        std::size_t from = 0;
        for (int ask = 0; ask < 30; ++ask) {
            from = random() % 5 == 0 ? random() % text.size() : from + random() % 20;
            const std::size_t to = from + random() % 80;
            ASSERT_EQ(within.found(from, to), searchOnce(call, text, from, to).has_value())
                << text << " [" << from << ", " << to << ")";
        }
    }
}

TEST(NextLiteral, AnswersLikeAFindFromEachPosition) {
    const LiteralFinder finder("default");
    const std::string text = "a default b defaultdefault c default";
    NextLiteral next(text, finder);
    for (const std::size_t from : {0u, 1u, 2u, 10u, 3u, 19u, 20u, 36u, 40u, 5u})
        EXPECT_EQ(next.from(from), text.find("default", from)) << from;
}

} // namespace
