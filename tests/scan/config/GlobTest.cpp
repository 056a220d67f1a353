#include "scan/config/Glob.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using scan::config::Glob;
using scan::config::GlobException;

namespace {

struct Case {
    const char* pattern;
    const char* path;
    bool isFolder;
    bool matches; ///< the path itself
    bool covers;  ///< the path or a folder above it
};

// clang-format off
const std::vector<Case> kCases = {
    // A name without '/' matches the last name at any depth.
    {"A.java",        "A.java",              false, true,  true},
    {"A.java",        "src/A.java",          false, true,  true},
    {"A.java",        "src/B.java",          false, false, false},
    {"A.java",        "A.java/B.java",       false, false, true},
    {"*.java",        "src/deep/A.java",     false, true,  true},
    {"*.java",        "src/A.javax",         false, false, false},
    {"gen",           "a/gen",               true,  true,  true},
    {"gen",           "a/gen/B.java",        false, false, true},
    {"gen",           "a/general/B.java",    false, false, false},
    // '*' stays within a name; '?' is one byte; both match a leading dot.
    {"*",             "a/b/c",               false, true,  true},
    {"a*",            "a",                   false, true,  true},
    {"a*b",           "a/b",                 false, false, false},
    {"/a*b",          "a/b",                 false, false, false},
    {"/a*",           "ab/c",                false, false, true},
    {"*.java",        ".java",               false, true,  true},
    {"?.java",        "A.java",              false, true,  true},
    {"?.java",        "AB.java",             false, false, false},
    {"?",             "a/b",                 false, true,  true},
    {"/?",            "ab",                  false, false, false},
    {"a?c",           "a/c",                 false, false, false},
    {"*a*b*c",        "xaybzc",              false, true,  true},
    {"*a*b*c",        "xaybzcb",             false, false, false},
    // Sets: ranges, negation with '!' or '^', ']' first is a member, '-' at an end is a member.
    {"[a-c].java",    "b.java",              false, true,  true},
    {"[a-c].java",    "d.java",              false, false, false},
    {"[!a-c].java",   "d.java",              false, true,  true},
    {"[!a-c].java",   "a.java",              false, false, false},
    {"[^a].java",     "b.java",              false, true,  true},
    {"[]a]",          "]",                   false, true,  true},
    {"[]a]",          "a",                   false, true,  true},
    {"[!]a]",         "b",                   false, true,  true},
    {"[!]a]",         "]",                   false, false, false},
    {"[a-]",          "-",                   false, true,  true},
    {"[-a]",          "-",                   false, true,  true},
    {"[a-c-e]",       "d",                   false, false, false},
    {"[a-c-e]",       "-",                   false, true,  true},
    {"[a-c-e]",       "e",                   false, true,  true},
    {"[\\]]",         "]",                   false, true,  true},
    {"[\\!a]",        "!",                   false, true,  true},
    {"[[]",           "[",                   false, true,  true},
    {"[*?]",          "*",                   false, true,  true},
    {"[*?]",          "a",                   false, false, false},
    {"[\xc3\xa9]",    "\xc3",                false, true,  true},
    {"\xc3\xa9*",     "\xc3\xa9t\xc3\xa9",   false, true,  true},
    // A backslash makes a special byte literal.
    {"\\*.java",      "*.java",              false, true,  true},
    {"\\*.java",      "A.java",              false, false, false},
    {"a\\?",          "a?",                  false, true,  true},
    {"a\\?",          "ab",                  false, false, false},
    {"\\[a]",         "[a]",                 false, true,  true},
    {"\\[a]",         "a",                   false, false, false},
    {"a\\\\b",        "a\\b",                false, true,  true},
    {"\\!x",          "!x",                  false, true,  true},
    {"\\#x",          "#x",                  false, true,  true},
    {"a\\ ",          "a ",                  false, true,  true},
    {"a b",           "a b",                 false, true,  true},
    // A '/' at the start or in the middle anchors the pattern at the top folder.
    {"/A.java",       "A.java",              false, true,  true},
    {"/A.java",       "src/A.java",          false, false, false},
    {"src/A.java",    "src/A.java",          false, true,  true},
    {"src/A.java",    "x/src/A.java",        false, false, false},
    {"src/*.java",    "src/A.java",          false, true,  true},
    {"src/*.java",    "src/a/A.java",        false, false, false},
    {"src",           "x/src/A.java",        false, false, true},
    {"/src",          "x/src/A.java",        false, false, false},
    {"/src",          "src/A.java",          false, false, true},
    {"a/b",           "a/b/c/d",             false, false, true},
    {"a/b",           "a",                   true,  false, false},
    // A trailing '/' matches folders only, but what they hold is covered.
    {"build/",        "build",               true,  true,  true},
    {"build/",        "build",               false, false, false},
    {"build/",        "a/build",             true,  true,  true},
    {"build/",        "build/A.java",        false, false, true},
    {"build/",        "a/build/b/A.java",    false, false, true},
    {"/build/",       "a/build/A.java",      false, false, false},
    {"a/b/",          "a/b",                 true,  true,  true},
    {"a/b/",          "a/b",                 false, false, false},
    {"*/",            "a/B.java",            false, false, true},
    {"*/",            "B.java",              false, false, false},
    // `**` as a whole name: zero or more names at the start or in the middle, one or more at
    // the end; elsewhere it is `*`.
    {"**/gen",        "gen",                 true,  true,  true},
    {"**/gen",        "a/b/gen",             true,  true,  true},
    {"**/gen",        "a/b/gen/C.java",      false, false, true},
    {"**/gen/*.java", "gen/C.java",          false, true,  true},
    {"**/gen/*.java", "x/gen/C.java",        false, true,  true},
    {"**/gen/*.java", "x/gen/y/C.java",      false, false, false},
    {"**/gen/*.java", "x/gen/y.java/C.java", false, false, true},
    {"src/**",        "src",                 true,  false, false},
    {"src/**",        "src/A.java",          false, true,  true},
    {"src/**",        "src/a/b/A.java",      false, true,  true},
    {"src/**",        "x/src/A.java",        false, false, false},
    {"src/**/",       "src/a",               true,  true,  true},
    {"src/**/",       "src/A.java",          false, false, false},
    {"a/**/b",        "a/b",                 false, true,  true},
    {"a/**/b",        "a/x/y/b",             false, true,  true},
    {"a/**/b",        "a/x/y/c",             false, false, false},
    {"a/**/b",        "x/a/b",               false, false, false},
    {"a/**/**/b",     "a/b",                 false, true,  true},
    {"a/***/b",       "a/x/y/b",             false, true,  true},
    {"/**",           "a/b",                 false, true,  true},
    {"**",            "a/b",                 false, true,  true},
    {"**/",           "a",                   false, false, false},
    {"**/",           "a",                   true,  true,  true},
    {"a**b",          "axb",                 false, true,  true},
    {"a**b",          "a/b",                 false, false, false},
    {"/a**b",         "ax/yb",               false, false, false},
    {"**b",           "x/ab",                false, true,  true},
    {"a/\\*\\*/b",    "a/x/b",               false, false, false},
    {"a/\\*\\*/b",    "a/**/b",              false, true,  true},
    {"**/**",         "a",                   false, true,  true},
};
// clang-format on

TEST(Glob, MatchesAndCoversAsTheTableSays) {
    for (const Case& c : kCases) {
        const Glob glob(c.pattern);
        EXPECT_EQ(glob.matches(c.path, c.isFolder), c.matches)
            << "'" << c.pattern << "' matches '" << c.path << "' (folder: " << c.isFolder << ")";
        EXPECT_EQ(glob.covers(c.path, c.isFolder), c.covers)
            << "'" << c.pattern << "' covers '" << c.path << "' (folder: " << c.isFolder << ")";
    }
}

TEST(Glob, KeepsItsPattern) {
    EXPECT_EQ(Glob("src/**/").pattern(), "src/**/");
}

struct Rejected {
    std::string pattern;
    const char* reason; ///< the end of the message
};

TEST(Glob, RejectsWhatCannotMeanAnythingWithItsReason) {
    const std::vector<Rejected> cases = {
        {"", "it is empty"},
        {"/", "it names no file or folder"},
        {"//", "it names no file or folder"},
        {std::string("a\0b", 3), "it holds a zero byte"},
        {"!a", "a leading '!' starts a negation in ignore files and means nothing here: write "
               "'\\!' for a name that starts with it"},
        {"#a", "a leading '#' starts a comment in ignore files and means nothing here: write "
               "'\\#' for a name that starts with it"},
        {"a ", "it ends in a space, which ignore files drop: write '\\ ' for a name that ends in "
               "a space"},
        {"a\\\\ ", "it ends in a space, which ignore files drop: write '\\ ' for a name that "
                   "ends in a space"},
        {"a//b", "it holds an empty name ('//'), which no path has"},
        {"//a", "it holds an empty name ('//'), which no path has"},
        {"a//", "it holds an empty name ('//'), which no path has"},
        {"./a", "it holds a '.' or '..' name, which no path has: globs are relative to the top "
                "folder"},
        {"a/../b", "it holds a '.' or '..' name, which no path has: globs are relative to the "
                   "top folder"},
        {".", "it holds a '.' or '..' name, which no path has: globs are relative to the top "
              "folder"},
        {"a/\\./b", "it holds a '.' or '..' name, which no path has: globs are relative to the "
                    "top folder"},
        {"a\\", "it ends in a backslash, which escapes nothing"},
        {"a\\/", "the backslash at byte 2 escapes a letter, a digit, a '/' or a byte that is not "
                 "printable ASCII: a backslash makes only punctuation or a space literal ('\\*', "
                 "'\\[', '\\ '), and folders are separated with '/'"},
        {"src\\gen", "the backslash at byte 4 escapes a letter"},
        {"a\\1", "the backslash at byte 2 escapes a letter"},
        {"a\\\t", "the backslash at byte 2 escapes a letter"},
        {"[ab", "the '[' at byte 1 is never closed (write '\\[' for a literal '[')"},
        {"x/[", "the '[' at byte 3 is never closed (write '\\[' for a literal '[')"},
        {"[]", "the '[' at byte 1 is never closed"},
        {"[!]", "the '[' at byte 1 is never closed"},
        {"[a\\]", "the '[' at byte 1 is never closed"},
        {"[a\\", "the '[' at byte 1 is never closed"},
        {"[a-", "the '[' at byte 1 is never closed"},
        {"a[/]b", "the set at byte 2 holds '/', which a set never matches: a set stands for one "
                  "byte of a name"},
        {"[a-/]", "the set at byte 1 holds '/'"},
        {"[[:digit:]]", "character classes such as '[[:digit:]]' are not supported: write the "
                        "bytes, such as '[0-9]'"},
        {"[z-a]", "the range 'z-a' is reversed and holds nothing: write the lower byte first"},
        {"[\\z-a]", "the backslash at byte 2 escapes a letter"},
    };
    for (const Rejected& c : cases) {
        try {
            const Glob glob(c.pattern);
            ADD_FAILURE() << "accepted '" << c.pattern << "'";
        } catch (const GlobException& e) {
            const std::string prefix = "bad glob '" + c.pattern + "': ";
            EXPECT_EQ(e.getMessage().substr(0, prefix.size()), prefix) << e.getMessage();
            EXPECT_NE(e.getMessage().find(c.reason, prefix.size()), std::string::npos)
                << "'" << c.pattern << "': " << e.getMessage();
        }
    }
}

} // namespace
