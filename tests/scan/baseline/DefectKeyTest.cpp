#include "scan/baseline/DefectKey.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

using namespace scan::baseline;

namespace {

TEST(CollapseBlanks, MakesEachBlankRunOneSpaceAndTrimsTheEnds) {
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"", ""},
        {" \t\r\v\f", ""},
        {"a", "a"},
        {"  int x = 1;", "int x = 1;"},
        {"\t\tint  x\t=\t1;   ", "int x = 1;"},
        {"catch (Exception e) {\r", "catch (Exception e) {"},
        {"a \t\v\f\r b", "a b"},
        // Only ASCII blanks count: a no-break space, a zero byte or a line feed are text.
        {"a\xc2\xa0 b", "a\xc2\xa0 b"},
        {std::string("a\0b", 3), std::string("a\0b", 3)},
        {"a\nb", "a\nb"},
    };
    for (const auto& [line, collapsed] : cases)
        EXPECT_EQ(collapseBlanks(line), collapsed) << "'" << line << "'";
}

TEST(DefectKey, IsThePathTheRuleAndTheCollapsedLine) {
    const DefectKey key = defectKey("src/A.java", 1011, "\t System.out.println(x);\r");
    EXPECT_EQ(key.path, "src/A.java");
    EXPECT_EQ(key.rule, 1011);
    EXPECT_EQ(key.text, "System.out.println(x);");
    EXPECT_EQ(key, defectKey("src/A.java", 1011, "System.out.println(x);"));
}

TEST(Fingerprint, IsThirtyTwoHexDigitsThatNeverChangeFromVersionToVersion) {
    const std::string print = fingerprint(defectKey("src/A.java", 1006, "} catch (E e) { }"), 0);
    EXPECT_EQ(print.size(), 32u);
    EXPECT_EQ(print.find_first_not_of("0123456789abcdef"), std::string::npos) << print;
    // Reports compare fingerprints across runs and versions: this value is fixed for good. It
    // is the 128-bit FNV-1a hash of "src/A.java", "1006", "0" and the text, each of the first
    // three followed by a zero byte, as computed apart from this code.
    EXPECT_EQ(print, "c61457e869079ddbdb395c3a4871b4f5");
}

TEST(Fingerprint, DiffersInEachPartOfTheKeyAndTheOccurrence) {
    // Pairs that would run together if the fields were not kept apart.
    const std::vector<std::pair<DefectKey, std::size_t>> keys = {
        {{"a", 1011, "x"}, 0},  {{"b", 1011, "x"}, 0}, {{"a", 1012, "x"}, 0},
        {{"a", 1011, "y"}, 0},  {{"a", 1011, "x"}, 1}, {{"a", 1011, "1x"}, 1},
        {{"a", 1011, "x"}, 11}, {{"a1", 11, "x"}, 0},  {{"a", 111, "x"}, 0},
        {{"a", 1011, ""}, 0},   {{"a", 1011, "0"}, 0}, {{"a", 1011, " x"}, 0},
    };
    std::set<std::string> prints;
    for (const auto& [key, occurrence] : keys)
        EXPECT_TRUE(prints.insert(fingerprint(key, occurrence)).second)
            << key.path << " " << key.rule << " '" << key.text << "' " << occurrence;
}

TEST(KeyDefects, CountsOccurrencesOfEachKeyInLineOrder) {
    const std::string text = "class A {\n"                  // 1
                             "  void f() {\n"               // 2
                             "    System.out.println(x);\n" // 3
                             "\n"                           // 4
                             "  \t\n"                       // 5
                             "\tSystem.out.println(x);\n"   // 6
                             "    System.out.println(y);\n" // 7
                             "  }\n"                        // 8
                             "}\n";                         // 9
    // Given out of line order, as rules report one after the other.
    const std::vector<FileDefect> defects = {{1011, 6}, {1038, 2}, {1011, 7},
                                             {1011, 3}, {1037, 1}, {1011, 6}};
    const std::vector<KeyedDefect> keyed = keyDefects("A.java", text, defects);
    ASSERT_EQ(keyed.size(), defects.size());
    EXPECT_EQ(keyed[0].key, (DefectKey{"A.java", 1011, "System.out.println(x);"}));
    EXPECT_EQ(keyed[0].occurrence, 1u); // after line 3
    EXPECT_EQ(keyed[5].occurrence, 2u); // the same line again, given later
    EXPECT_EQ(keyed[3].occurrence, 0u);
    EXPECT_EQ(keyed[2].occurrence, 0u); // another text
    EXPECT_EQ(keyed[1].key.text, "void f() {");
    EXPECT_EQ(keyed[4].key.text, "class A {");
    // The context is the three nearest lines above that are not blank, nearest first.
    EXPECT_EQ(keyed[0].context, contextHash("System.out.println(x);\nvoid f() {\nclass A {"));
    EXPECT_EQ(keyed[2].context,
              contextHash("System.out.println(x);\nSystem.out.println(x);\nvoid f() {"));
    EXPECT_EQ(keyed[3].context, contextHash("void f() {\nclass A {"));
    EXPECT_EQ(keyed[4].context, contextHash(""));
    EXPECT_EQ(keyed[1].fingerprint(), fingerprint(keyed[1].key, 0));
}

TEST(KeyDefects, ALineOutsideTheFileHasAnEmptyText) {
    const std::vector<KeyedDefect> keyed =
        keyDefects("A.java", "a\nb\n", {{1006, 3}, {1006, 4}, {1006, 0}, {1006, 2}});
    EXPECT_EQ(keyed[0].key.text, ""); // after the last line feed
    EXPECT_EQ(keyed[0].context, contextHash("b\na"));
    EXPECT_EQ(keyed[1].key.text, "");
    EXPECT_EQ(keyed[1].context, contextHash("b\na"));
    EXPECT_EQ(keyed[2].key.text, "");
    EXPECT_EQ(keyed[3].key.text, "b");
    EXPECT_EQ(keyDefects("A.java", "", {{1035, 1}})[0].key.text, "");
    EXPECT_EQ(keyDefects("A.java", "no line end", {{1035, 1}})[0].key.text, "no line end");
}

} // namespace
