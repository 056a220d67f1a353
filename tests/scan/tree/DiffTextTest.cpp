// Reading git's patches: quoted names and hunk headers, with lines that look like headers.
#include "scan/tree/UnifiedDiff.h"

#include <gtest/gtest.h>

namespace scan::tree {
namespace {

TEST(UnquoteGitPath, UndoesGitsQuoting) {
    const struct {
        std::string quoted;
        std::string path;
    } cases[] = {
        {"b/plain.java", "b/plain.java"},
        {"b/sp ace.java", "b/sp ace.java"},
        {R"("b/quo\"te.java")", "b/quo\"te.java"},
        {R"("b/back\\slash.java")", "b/back\\slash.java"},
        {R"("b/new\nline\ttab.java")", "b/new\nline\ttab.java"},
        {R"("b/\303\251t\303\251.java")", "b/\xc3\xa9t\xc3\xa9.java"},
        {R"("b/\001\177.java")", "b/\x01\x7f.java"},
        {R"("b/\a\b\f\r\v")", "b/\a\b\f\r\v"},
        {R"("b/octal\0619")", "b/octal19"},
        {"\"", "\""},
        {"\"unclosed", "\"unclosed"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(unquoteGitPath(c.quoted), c.path) << c.quoted;
}

std::string describe(const ChangedLines& changes) {
    std::string text;
    for (const auto& [path, lines] : changes.files()) {
        text += path + ":";
        for (const LineRange& range : lines.ranges())
            text += " " + std::to_string(range.first) + "-" + std::to_string(range.last);
        text += "\n";
    }
    return text;
}

TEST(AddDiffLines, TakesTheNewSideOfEachHunkUnderTheNewName) {
    const std::string patch = "diff --git a/A.java b/A.java\n"
                              "index 1111111..2222222 100644\n"
                              "--- a/A.java\n"
                              "+++ b/A.java\n"
                              "@@ -3,0 +4,2 @@ class A {\n"
                              "+++ b/Trap.java\n"
                              "+@@ -1 +1,50 @@\n"
                              "@@ -10 +12 @@\n"
                              "-old\n"
                              "+--- a/B.java\n"
                              "@@ -20,3 +21,0 @@\n"
                              "-a\n"
                              "-b\n"
                              "-c\n"
                              "@@ -30 +30 @@\n"
                              "-last\n"
                              "\\ No newline at end of file\n"
                              "+last\n"
                              "diff --git a/old/R.java b/new/R.java\n"
                              "similarity index 90%\n"
                              "rename from old/R.java\n"
                              "rename to new/R.java\n"
                              "--- a/old/R.java\n"
                              "+++ b/new/R.java\n"
                              "@@ -5 +5 @@\n"
                              "-x\n"
                              "+y\n"
                              "diff --git a/Gone.java b/Gone.java\n"
                              "deleted file mode 100644\n"
                              "--- a/Gone.java\n"
                              "+++ /dev/null\n"
                              "@@ -1,2 +0,0 @@\n"
                              "-a\n"
                              "-b\n"
                              "diff --git \"a/sp ace\\n.java\" \"b/sp ace\\n.java\"\n"
                              "--- \"a/sp ace\\n.java\"\n"
                              "+++ \"b/sp ace\\n.java\"\n"
                              "@@ -0,0 +1,3 @@\n"
                              "+a\n"
                              "+b\n"
                              "+c\n"
                              "diff --git a/with space.java b/with space.java\n"
                              "--- a/with space.java\t\n"
                              "+++ b/with space.java\t\n"
                              "@@ -7,2 +7,2 @@\n"
                              "-a\n"
                              "-b\n"
                              "+c\n"
                              "+d\n"
                              "diff --git a/Binary.bin b/Binary.bin\n"
                              "Binary files a/Binary.bin and b/Binary.bin differ\n";
    ChangedLines changes;
    addDiffLines(patch, changes);
    EXPECT_EQ(describe(changes), "A.java: 4-5 12-12 30-30\n"
                                 "new/R.java: 5-5\n"
                                 "sp ace\n.java: 1-3\n"
                                 "with space.java: 7-8\n");
}

TEST(AddDiffLines, ReadsNothingFromAnEmptyOrCutPatch) {
    ChangedLines changes;
    addDiffLines("", changes);
    addDiffLines("diff --git a/A.java b/A.java\n+++ b/A.java\n@@ -1 +1,3 @@\n+a", changes);
    EXPECT_EQ(describe(changes), "A.java: 1-3\n");
}

} // namespace
} // namespace scan::tree
