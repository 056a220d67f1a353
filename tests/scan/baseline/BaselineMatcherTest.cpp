#include "scan/baseline/BaselineMatcher.h"

#include "tests/support/Generators.h"

#include <gtest/gtest.h>

#include <map>
#include <rapidcheck/gtest.h>
#include <sstream>
#include <string>
#include <vector>

using namespace scan::baseline;

namespace {

/// A stand-in for the rules: 1011 on a line with "System.out", 1005 on one with
/// "catch (Exception", 1038 on one with "void " and no "final".
std::vector<FileDefect> check(const std::string& text) {
    std::vector<FileDefect> defects;
    std::istringstream lines(text);
    std::string line;
    for (std::int32_t number = 1; std::getline(lines, line); ++number) {
        if (line.find("void ") != std::string::npos && line.find("final") == std::string::npos)
            defects.push_back({1038, number});
        if (line.find("catch (Exception") != std::string::npos)
            defects.push_back({1005, number});
        if (line.find("System.out") != std::string::npos)
            defects.push_back({1011, number});
    }
    return defects;
}

using Files = std::map<std::string, std::string>;

std::vector<Entry> record(const Files& files) {
    std::vector<Entry> entries;
    for (const auto& [path, text] : files) {
        for (const KeyedDefect& defect : keyDefects(path, text, check(text)))
            entries.push_back(entryOf(defect));
    }
    return entries;
}

/// The defects of `after` that a baseline of `before` does not hold, as "PATH:LINE RULE", and
/// the count of recorded defects that are gone.
struct Outcome {
    std::vector<std::string> fresh;
    std::size_t gone = 0;
};

Outcome rerun(const Files& before, const Files& after) {
    // Through the file, as a later run reads it.
    BaselineMatcher matcher(parseBaseline(formatBaseline(record(before)), "b.txt"));
    Outcome outcome;
    for (const auto& [path, text] : after) {
        const std::vector<FileDefect> defects = check(text);
        const std::vector<bool> recorded = matcher.match(keyDefects(path, text, defects));
        for (std::size_t i = 0; i < defects.size(); ++i) {
            if (!recorded[i])
                outcome.fresh.push_back(path + ":" + std::to_string(defects[i].line) + " " +
                                        std::to_string(defects[i].rule));
        }
    }
    outcome.gone = matcher.untakenCount();
    return outcome;
}

using Lines = std::vector<std::string>;

const std::string kHead = "class Billing {\n";
const std::string kCharge = "    void charge(int amount) {\n"
                            "        try {\n"
                            "            send(amount);\n"
                            "        } catch (Exception e) {\n"
                            "            System.out.println(\"failed\");\n"
                            "        }\n"
                            "    }\n";
const std::string kRefund = "    void refund(int amount) {\n"
                            "        try {\n"
                            "            undo(amount);\n"
                            "        } catch (Exception e) {\n"
                            "            System.out.println(\"failed\");\n"
                            "        }\n"
                            "    }\n";
// Its catch and its output are the same lines as in the methods above.
const std::string kAudit = "    void audit(int amount) {\n"
                           "        try {\n"
                           "            log(amount);\n"
                           "        } catch (Exception e) {\n"
                           "            System.out.println(\"failed\");\n"
                           "        }\n"
                           "    }\n";
const std::string kTail = "}\n";
const std::string kBilling = kHead + kCharge + "\n" + kRefund + kTail;

TEST(BaselineMatcher, AnUnchangedTreeHasNothingNewAndNothingGone) {
    const Outcome outcome =
        rerun({{"src/Billing.java", kBilling}}, {{"src/Billing.java", kBilling}});
    EXPECT_EQ(outcome.fresh, Lines{});
    EXPECT_EQ(outcome.gone, 0u);
}

TEST(BaselineMatcher, LinesAddedRemovedOrMovedAroundDefectsChangeNothing) {
    const std::vector<std::string> edited = {
        // Lines inserted above.
        "package billing;\n\nimport a.B;\n" + kBilling,
        kHead + "    private int total;\n\n" + kCharge + "\n" + kRefund + kTail,
        // A blank line removed, and lines between defects.
        kHead + kCharge + kRefund + kTail,
        kHead + kCharge + "\n    int x;\n    int y;\n" + kRefund + kTail,
        // The methods swapped.
        kHead + kRefund + "\n" + kCharge + kTail,
        // Blanks only: indentation, tabs, trailing blanks, line ends.
        "class Billing {\n"
        "\tvoid charge(int amount) {\n"
        "\t\ttry {\n"
        "\t\t\tsend(amount);\n"
        "\t\t}  catch (Exception\te)\t{   \n"
        "\t\t\tSystem.out.println(\"failed\");\n"
        "\t\t}\n"
        "\t}\n"
        "\n" +
            kRefund + kTail,
    };
    for (const std::string& text : edited) {
        const Outcome outcome =
            rerun({{"src/Billing.java", kBilling}}, {{"src/Billing.java", text}});
        EXPECT_EQ(outcome.fresh, Lines{}) << text;
        EXPECT_EQ(outcome.gone, 0u) << text;
    }
    std::string crlf;
    for (const char c : kBilling)
        crlf += c == '\n' ? std::string("\r\n") : std::string(1, c);
    const Outcome outcome = rerun({{"src/Billing.java", kBilling}}, {{"src/Billing.java", crlf}});
    EXPECT_EQ(outcome.fresh, Lines{});
}

// The new method repeats lines that already have defects; only its own defects are new, at
// their real lines, whether it comes above the others or below them.
TEST(BaselineMatcher, ACopyOfDefectLinesAboveOrBelowTheOthersIsNewWhereItStands) {
    const Outcome above =
        rerun({{"Billing.java", kBilling}},
              {{"Billing.java", kHead + kAudit + "\n" + kCharge + "\n" + kRefund + kTail}});
    EXPECT_EQ(above.fresh,
              (Lines{"Billing.java:2 1038", "Billing.java:5 1005", "Billing.java:6 1011"}));
    EXPECT_EQ(above.gone, 0u);
    const Outcome between =
        rerun({{"Billing.java", kBilling}},
              {{"Billing.java", kHead + kCharge + "\n" + kAudit + "\n" + kRefund + kTail}});
    EXPECT_EQ(between.fresh,
              (Lines{"Billing.java:10 1038", "Billing.java:13 1005", "Billing.java:14 1011"}));
    const Outcome below =
        rerun({{"Billing.java", kBilling}},
              {{"Billing.java", kHead + kCharge + "\n" + kRefund + "\n" + kAudit + kTail}});
    EXPECT_EQ(below.fresh,
              (Lines{"Billing.java:18 1038", "Billing.java:21 1005", "Billing.java:22 1011"}));
}

// Many defects of one rule on different lines: a new one above them is the only one new;
// nothing counts the defects of a rule before another.
TEST(BaselineMatcher, ANewDefectAboveManyOfItsRuleIsTheOnlyOneNew) {
    std::string methods;
    for (int i = 0; i < 20; ++i)
        methods += "    void m" + std::to_string(i) + "(int a) { System.out.println(a" +
                   std::to_string(i) + "); }\n";
    const std::string before = "class Many {\n" + methods + "}\n";
    const std::string newLine = "    void added(int a) { System.out.println(b); }\n";
    const Outcome above = rerun({{"Many.java", before}},
                                {{"Many.java", "class Many {\n" + newLine + methods + "}\n"}});
    EXPECT_EQ(above.fresh, (Lines{"Many.java:2 1038", "Many.java:2 1011"}));
    EXPECT_EQ(above.gone, 0u);
    const Outcome below = rerun({{"Many.java", before}},
                                {{"Many.java", "class Many {\n" + methods + newLine + "}\n"}});
    EXPECT_EQ(below.fresh, (Lines{"Many.java:22 1038", "Many.java:22 1011"}));
}

TEST(BaselineMatcher, ADefectWhoseLineChangedIsNewAndTheOldOneGone) {
    std::string changed = kBilling;
    const std::string from = "System.out.println(\"failed\");\n        }\n    }\n\n";
    changed.replace(changed.find(from), from.size(),
                    "System.out.println(\"charge failed\");\n        }\n    }\n\n");
    const Outcome outcome = rerun({{"Billing.java", kBilling}}, {{"Billing.java", changed}});
    EXPECT_EQ(outcome.fresh, Lines{"Billing.java:6 1011"});
    EXPECT_EQ(outcome.gone, 1u);
}

TEST(BaselineMatcher, FixedDefectsAreCountedAsGone) {
    const Outcome outcome =
        rerun({{"Billing.java", kBilling}, {"Other.java", kHead + kAudit + kTail}},
              {{"Billing.java", kHead + kCharge + kTail}});
    EXPECT_EQ(outcome.fresh, Lines{});
    EXPECT_EQ(outcome.gone, 3u + 3u); // refund's three, and Other.java, which is not there
}

// The path is part of the key: a renamed or moved file's defects are all new, and those of
// its old name gone.
TEST(BaselineMatcher, ARenamedFilesDefectsAreNew) {
    const Outcome outcome =
        rerun({{"src/Billing.java", kBilling}, {"src/Other.java", kHead + kAudit + kTail}},
              {{"src/pay/Billing.java", kBilling}, {"src/Other.java", kHead + kAudit + kTail}});
    EXPECT_EQ(outcome.fresh.size(), 6u);
    EXPECT_EQ(outcome.fresh.front(), "src/pay/Billing.java:2 1038");
    EXPECT_EQ(outcome.gone, 6u);
}

// A key recorded n times lets n defects through, wherever they stand. Within a run of equal
// lines under the same lines, nothing tells the copies apart: the last ones are new.
TEST(BaselineMatcher, EachEntryIsTakenOnce) {
    const std::string three = "class A {\n  void f() {\n    System.out.println();\n"
                              "    System.out.println();\n    System.out.println();\n  }\n}\n";
    const std::string two = "class A {\n  void f() {\n    System.out.println();\n"
                            "    System.out.println();\n  }\n}\n";
    const std::string four = "class A {\n  void f() {\n    System.out.println();\n"
                             "    System.out.println();\n    System.out.println();\n"
                             "    System.out.println();\n  }\n}\n";
    const Outcome fewer = rerun({{"A.java", three}}, {{"A.java", two}});
    EXPECT_EQ(fewer.fresh, Lines{});
    EXPECT_EQ(fewer.gone, 1u);
    const Outcome more = rerun({{"A.java", three}}, {{"A.java", four}});
    EXPECT_EQ(more.fresh, Lines{"A.java:6 1011"});
    EXPECT_EQ(more.gone, 0u);
    // Giving a file twice finds its entries taken.
    BaselineMatcher matcher(record({{"A.java", two}}));
    const std::vector<KeyedDefect> keyed = keyDefects("A.java", two, check(two));
    EXPECT_EQ(matcher.match(keyed), (std::vector<bool>{true, true, true}));
    EXPECT_EQ(matcher.match(keyed), (std::vector<bool>{false, false, false}));
}

TEST(BaselineMatcher, OtherFilesChangingLeaveAFileAlone) {
    const Outcome outcome = rerun(
        {{"A.java", kBilling}, {"B.java", kHead + kAudit + kTail}},
        {{"A.java", kBilling}, {"B.java", kHead + kAudit + kAudit + kTail}, {"C.java", kBilling}});
    EXPECT_EQ(outcome.fresh.size(), 3u + 6u); // B's second audit and all of C
    for (const std::string& fresh : outcome.fresh)
        EXPECT_NE(fresh.rfind("A.java", 0), 0u) << fresh;
}

/// A file of lines with and without defects, each line once so that edits are easy to follow.
rc::Gen<Lines> javaLines() {
    return rc::gen::container<Lines>(rc::gen::weightedOneOf<std::string>({
        {3, rc::gen::element<std::string>("  int x;", "}", "", "  try {", "  } finally {",
                                          "  return;", "  x = y;")},
        {2, rc::gen::element<std::string>("  System.out.println(1);", "  } catch (Exception e) {",
                                          "  void f(int a) {", "  void g(final int a) {")},
        {1, rc::gen::map(rc::gen::inRange(0, 5),
                         [](int i) { return "  System.out.println(" + std::to_string(i) + ");"; })},
    }));
}

std::string joinedLines(const Lines& lines) {
    std::string text;
    for (const std::string& line : lines)
        text += line + "\n";
    return text;
}

bool hasDefect(const std::string& line) {
    return !check(line).empty();
}

// Edits that leave every defect line as it was make nothing new and nothing gone; defects
// added with lines of their own are exactly the new ones.
RC_GTEST_PROP(BaselineMatcher, EditsAroundDefectsKeepThemAndAddedOnesAreNew, ()) {
    const Lines before = *javaLines();
    Lines after = before;
    const int edits = *rc::gen::inRange(0, 8);
    for (int edit = 0; edit < edits; ++edit) {
        const int kind = *rc::gen::inRange(0, 4);
        const std::size_t at = *rc::gen::inRange<std::size_t>(0, after.size() + 1);
        if (kind == 0) { // insert a line without a defect
            after.insert(after.begin() + static_cast<std::ptrdiff_t>(at),
                         *rc::gen::element<std::string>("  int z;", "", "  // note", "{"));
        } else if (kind == 1 && at < after.size() && !hasDefect(after[at])) { // remove one
            after.erase(after.begin() + static_cast<std::ptrdiff_t>(at));
        } else if (kind == 2 && at < after.size()) { // change its blanks
            after[at] = "\t " + after[at] + " \t";
        } else if (kind == 3 && !after.empty()) { // move a block of lines elsewhere
            const std::size_t from = *rc::gen::inRange<std::size_t>(0, after.size());
            const std::size_t size = *rc::gen::inRange<std::size_t>(1, after.size() - from + 1);
            const Lines block(after.begin() + static_cast<std::ptrdiff_t>(from),
                              after.begin() + static_cast<std::ptrdiff_t>(from + size));
            after.erase(after.begin() + static_cast<std::ptrdiff_t>(from),
                        after.begin() + static_cast<std::ptrdiff_t>(from + size));
            const std::size_t to = *rc::gen::inRange<std::size_t>(0, after.size() + 1);
            after.insert(after.begin() + static_cast<std::ptrdiff_t>(to), block.begin(),
                         block.end());
        }
    }
    const Outcome kept = rerun({{"T.java", joinedLines(before)}}, {{"T.java", joinedLines(after)}});
    RC_ASSERT(kept.fresh == Lines{});
    RC_ASSERT(kept.gone == 0u);

    // Lines of a text no line had before, each a defect.
    const int added = *rc::gen::inRange(1, 4);
    Lines expected;
    for (int i = 0; i < added; ++i) {
        const std::size_t at = *rc::gen::inRange<std::size_t>(0, after.size() + 1);
        after.insert(after.begin() + static_cast<std::ptrdiff_t>(at),
                     "  System.out.println(\"added " + std::to_string(i) + "\");");
    }
    for (std::size_t line = 0; line < after.size(); ++line) {
        if (after[line].find("added") != std::string::npos)
            expected.push_back("T.java:" + std::to_string(line + 1) + " 1011");
    }
    const Outcome grown =
        rerun({{"T.java", joinedLines(before)}}, {{"T.java", joinedLines(after)}});
    RC_ASSERT(grown.fresh == expected);
    RC_ASSERT(grown.gone == 0u);
}

} // namespace
