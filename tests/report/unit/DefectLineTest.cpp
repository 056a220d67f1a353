#include "report/DefectLine.h"

#include <gtest/gtest.h>

#include <string>

using report::looksLikeCutDefectLine;
using report::parseDefectLine;

namespace {

/// "FILE|LINE|RULE|MESSAGE", or "none".
std::string split(std::string_view line) {
    const auto defect = parseDefectLine(line);
    if (!defect)
        return "none";
    return std::string(defect->fileName) + "|" + std::to_string(defect->line) + "|" +
           std::to_string(defect->rule->number) + "|" + std::string(defect->message);
}

TEST(DefectLine, SplitsAPlainLine) {
    EXPECT_EQ(split("Foo.java:12 Rule(1006) Empty catch block."),
              "Foo.java|12|1006|Empty catch block.");
    EXPECT_EQ(split("src/a/B.java:1 Rule(1037) No @author javadoc tag found."),
              "src/a/B.java|1|1037|No @author javadoc tag found.");
    EXPECT_EQ(split("A.java:2147483647 Rule(1014) Override both Object.equals() and "
                    "Object.hashCode()"),
              "A.java|2147483647|1014|Override both Object.equals() and Object.hashCode()");
}

TEST(DefectLine, SplitsWhereARuleAndItsMessageFollowWhateverTheNameHolds) {
    // Colons, drive letters, and even the form of a defect line inside the name.
    EXPECT_EQ(split("C:\\src\\A.java:3 Rule(1006) Empty catch block."),
              "C:\\src\\A.java|3|1006|Empty catch block.");
    EXPECT_EQ(split("a:1:b.java:3 Rule(1006) Empty catch block."),
              "a:1:b.java|3|1006|Empty catch block.");
    EXPECT_EQ(split("x:3 Rule(1006) Empty catch block.java:4 Rule(1006) Empty catch block."),
              "x:3 Rule(1006) Empty catch block.java|4|1006|Empty catch block.");
    EXPECT_EQ(split("x:3 Rule(1021) y.java:4 Rule(1006) Empty catch block."),
              "x:3 Rule(1021) y.java|4|1006|Empty catch block.");
    EXPECT_EQ(split(" Rule(.java:5 Rule(1035) No package declaration found."),
              " Rule(.java|5|1035|No package declaration found.");
    EXPECT_EQ(split("caf\xE9 \"&<>.java:7 Rule(1035) No package declaration found."),
              "caf\xE9 \"&<>.java|7|1035|No package declaration found.");
    EXPECT_EQ(split("ends in cr\r.java:7 Rule(1035) No package declaration found."),
              "ends in cr\r.java|7|1035|No package declaration found.");
}

TEST(DefectLine, KnowsTheMessagesRulesPutTogether) {
    EXPECT_EQ(split("A.java:4 Rule(1024) 'todo' is an unknown javadoc tag."),
              "A.java|4|1024|'todo' is an unknown javadoc tag.");
    EXPECT_EQ(split("A.java:4 Rule(1007) Mixed indentation style. Space found. (File seems "
                    "indented with tab)."),
              "A.java|4|1007|Mixed indentation style. Space found. (File seems indented with "
              "tab).");
}

TEST(DefectLine, RefusesWhatNoRunPrints) {
    EXPECT_EQ(split(""), "none");
    EXPECT_EQ(split("Foo.java:12 Rule(1006) Empty catch block"), "none");    // message cut
    EXPECT_EQ(split("Foo.java:12 Rule(1006) Empty finally block."), "none"); // another rule's
    EXPECT_EQ(split("Foo.java:12 Rule(1042) Empty catch block."), "none");   // no such rule
    EXPECT_EQ(split("Foo.java:12 Rule(999) Empty catch block."), "none");
    EXPECT_EQ(split("Foo.java:12 Rule(01006) Empty catch block."), "none");
    EXPECT_EQ(split("Foo.java:0 Rule(1006) Empty catch block."), "none");
    EXPECT_EQ(split("Foo.java:2147483648 Rule(1006) Empty catch block."), "none");
    EXPECT_EQ(split("Foo.java: Rule(1006) Empty catch block."), "none");
    EXPECT_EQ(split("Foo.java12 Rule(1006) Empty catch block."), "none");
    EXPECT_EQ(split(":12 Rule(1006) Empty catch block."), "none"); // no name
    EXPECT_EQ(split("Foo.java:12  Rule(1006) Empty catch block."), "none");
    EXPECT_EQ(split("Foo.java:12 Rule(1006)Empty catch block."), "none");
    EXPECT_EQ(split("Foo.java:12 Rule(1006) Empty catch block.\r"), "none");
    EXPECT_EQ(split("Analysed 1 file. 18 defects found."), "none");
}

TEST(DefectLine, TellsADefectLineCutShortFromOtherText) {
    EXPECT_TRUE(looksLikeCutDefectLine("Foo.java:12 Rule("));
    EXPECT_TRUE(looksLikeCutDefectLine("Foo.java:12 Rule(1006) Empty ca"));
    EXPECT_FALSE(looksLikeCutDefectLine("Foo.java:12 Ru"));
    EXPECT_FALSE(looksLikeCutDefectLine("Foo.java Rule(1006) Empty ca"));
    EXPECT_FALSE(looksLikeCutDefectLine("An error occured when trying to open the file."));
}

} // namespace
