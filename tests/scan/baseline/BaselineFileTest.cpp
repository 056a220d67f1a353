#include "report/Utf8.h"
#include "scan/baseline/Baseline.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <rapidcheck/gtest.h>
#include <set>
#include <string>
#include <vector>

using namespace scan::baseline;

namespace {

TEST(BaselineFile, IsAVersionLineThenEachPathWithItsSortedEntries) {
    const std::vector<Entry> entries = {
        {"src/B.java", 1038, 0x0b1c2d3e, 0x0c1e}, {"src/A.java", 1038, 0x0000002a, 0x0000},
        {"src/B.java", 1005, 0x5d41402a, 0x2a9f}, {"src/A.java", 1005, 0xffffffff, 0xffff},
        {"src/B.java", 1038, 0x0b1c2d3e, 0x0c1e}, {"src/B.java", 1038, 0x0b1c2d3e, 0x0001},
    };
    EXPECT_EQ(formatBaseline(entries), "quarvel-baseline 1\n"
                                       "src/A.java\n"
                                       "  1005 ffffffff ffff\n"
                                       "  1038 0000002a 0000\n"
                                       "src/B.java\n"
                                       "  1005 5d41402a 2a9f\n"
                                       "  1038 0b1c2d3e 0001\n"
                                       "  1038 0b1c2d3e 0c1e\n"
                                       "  1038 0b1c2d3e 0c1e\n");
    EXPECT_EQ(formatBaseline({}), "quarvel-baseline 1\n");
}

TEST(BaselineFile, EscapesWhatCouldBreakALineOrReadAsSomethingElse) {
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"plain/A.java", "plain/A.java"},
        {"with space/A B.java", "with space/A B.java"},
        {" lead", "\\x20lead"},
        {"trail ", "trail\\x20"},
        {"a\tb", "a\\x09b"},
        {"a\nb", "a\\x0ab"},
        {"a\rb", "a\\x0db"},
        {"a\x7f", "a\\x7f"},
        {"a\\b\\", "a\\\\b\\\\"},
        {"\\x41", "\\\\x41"},
        {"caf\xc3\xa9/\xe6\x97\xa5.java", "caf\xc3\xa9/\xe6\x97\xa5.java"},
        {"latin1-\xe9.java", "latin1-\\xe9.java"},
        {"cut-\xe6\x97", "cut-\\xe6\\x97"},
        {"<<<<<<< HEAD", "\\x3c<<<<<< HEAD"},
        {"=======", "\\x3d======"},
        {">>>>>>> b", "\\x3e>>>>>> b"},
        {"|||||||", "\\x7c||||||"},
        {"a<=>|", "a<=>|"},
        {"#x", "#x"},
    };
    for (const auto& [path, written] : cases) {
        const std::string text = formatBaseline({{path, 1000, 1, 2}});
        EXPECT_EQ(text, "quarvel-baseline 1\n" + written + "\n  1000 00000001 0002\n") << path;
        const std::vector<Entry> read = parseBaseline(text, "b.txt");
        ASSERT_EQ(read.size(), 1u) << path;
        EXPECT_EQ(read[0].path, path);
    }
}

rc::Gen<std::string> oddPaths() {
    const rc::Gen<char> byte = rc::gen::weightedOneOf<char>({
        {6, rc::gen::elementOf(std::string("ab/. "))},
        {2, rc::gen::elementOf(std::string("\\\t\n\r<=>|#x"))},
        {2, rc::gen::inRange<char>(1, 127)},
        {2, rc::gen::map(rc::gen::inRange(128, 256), [](int b) { return static_cast<char>(b); })},
    });
    return rc::gen::nonEmpty(rc::gen::container<std::string>(byte));
}

RC_GTEST_PROP(BaselineFile, ReadsBackWhatItWritesOneEntryALine, ()) {
    const auto entries = *rc::gen::container<std::vector<Entry>>(rc::gen::build<Entry>(
        rc::gen::set(&Entry::path, oddPaths()),
        rc::gen::set(&Entry::rule, rc::gen::inRange(1000, 1042)),
        rc::gen::set(&Entry::lineHash, rc::gen::arbitrary<std::uint32_t>()),
        rc::gen::set(&Entry::contextHash, rc::gen::arbitrary<std::uint16_t>())));
    const std::string text = formatBaseline(entries);
    std::vector<Entry> sorted = entries;
    std::sort(sorted.begin(), sorted.end());
    RC_ASSERT(parseBaseline(text, "b.txt") == sorted);
    // One line for the version, one for each path, one for each entry; no control byte but the
    // line feeds, and well-formed UTF-8 throughout.
    std::set<std::string> paths;
    for (const Entry& entry : entries)
        paths.insert(entry.path);
    RC_ASSERT(static_cast<std::size_t>(std::count(text.begin(), text.end(), '\n')) ==
              1 + paths.size() + entries.size());
    for (std::size_t at = 0; at < text.size();) {
        const auto byte = static_cast<unsigned char>(text[at]);
        RC_ASSERT(byte == '\n' || (byte >= 0x20 && byte != 0x7f));
        const std::size_t length = report::utf8SequenceLength(text, at);
        RC_ASSERT(length > 0u);
        at += length;
    }
}

TEST(BaselineFile, ReadsLineEndsOfEitherKindBlankLinesAndAnyOrder) {
    const std::vector<Entry> expected = {{"a/B.java", 1005, 0x5d41402a, 0x2a9f},
                                         {"a/B.java", 1038, 0x00000001, 0x0002},
                                         {"A.java", 1000, 0xabcdef01, 0x2345}};
    const std::string text = "quarvel-baseline 1\r\n"
                             "a/B.java\r\n"
                             "  1038 00000001 0002\r\n"
                             "\r\n"
                             "  1005 5d41402a 2a9f\r\n"
                             "\n"
                             "A.java\n"
                             "  1000 abcdef01 2345";
    EXPECT_EQ(parseBaseline(text, "b.txt"),
              (std::vector<Entry>{expected[1], expected[0], expected[2]}));
    // A path given twice adds to its entries.
    EXPECT_EQ(parseBaseline("quarvel-baseline 1\nA.java\n  1000 abcdef01 2345\nB.java\nA.java\n"
                            "  1000 abcdef01 2345\n",
                            "b.txt")
                  .size(),
              2u);
}

TEST(BaselineFile, RejectsAMalformedFileNamingTheLine) {
    const std::string head = "quarvel-baseline 1\nsrc/A.java\n";
    const std::string entryRule =
        "a malformed entry: an entry is two spaces, a rule number, a space, 8 lower-case hex "
        "digits, a space and 4 more, such as '  1006 5d41402a 2a9f'";
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"", "b.txt:1: not a baseline file: its first line must be 'quarvel-baseline 1'"},
        {"\n", "b.txt:1: not a baseline file: its first line must be 'quarvel-baseline 1'"},
        {"src/A.java\n  1000 00000001 0002\n",
         "b.txt:1: not a baseline file: its first line must be 'quarvel-baseline 1'"},
        {"quarvel-baseline\n",
         "b.txt:1: not a baseline file: its first line must be 'quarvel-baseline 1'"},
        {"quarvel-baseline 2\nsrc/A.java\n",
         "b.txt:1: a baseline of version '2', which this program does not read (it reads "
         "'quarvel-baseline 1'): write the baseline again"},
        {"quarvel-baseline 1 \n", "b.txt:1: a baseline of version '1 ', which this program does "
                                  "not read (it reads 'quarvel-baseline 1'): write the baseline "
                                  "again"},
        {"quarvel-baseline 1\n  1000 00000001 0002\n", "b.txt:2: an entry before the first path"},
        {head + "  1000 00000001 0002\n  1000 0000001 0002\n", "b.txt:4: " + entryRule},
        {head + "  1000 00000001 002\n", "b.txt:3: " + entryRule},
        {head + "  1000 0000000G 0002\n", "b.txt:3: " + entryRule},
        {head + "  1000 0000000A 0002\n", "b.txt:3: " + entryRule},
        {head + "  1000  00000001 0002\n", "b.txt:3: " + entryRule},
        {head + "   1000 00000001 0002\n", "b.txt:3: " + entryRule},
        {head + "  1000 00000001 0002 \n", "b.txt:3: " + entryRule},
        {head + "  1000 00000001\n", "b.txt:3: " + entryRule},
        {head + "  1o00 00000001 0002\n", "b.txt:3: " + entryRule},
        {head + "  +100 00000001 0002\n", "b.txt:3: " + entryRule},
        {head + "  1000\t00000001 0002\n", "b.txt:3: " + entryRule},
        {head + "  10222 00000001 0002\n", "b.txt:3: an entry of rule 10222, which does not exist"},
        {head + "  999 00000001 0002\n", "b.txt:3: an entry of rule 999, which does not exist"},
        {head + "  0001000 00000001 0002\n", "b.txt:3: " + entryRule},
        {head + " 1000 00000001 0002\n",
         "b.txt:3: a line that is neither a path nor an entry (entries start with two spaces)"},
        {head + "\t1000 00000001 0002\n",
         "b.txt:3: a line that is neither a path nor an entry (entries start with two spaces)"},
        {head + "a\\qb\n", "b.txt:3: a path holding a backslash that is neither '\\\\' nor '\\x' "
                           "and two lower-case hex digits"},
        {head + "a\\x4\n", "b.txt:3: a path holding a backslash that is neither '\\\\' nor '\\x' "
                           "and two lower-case hex digits"},
        {head + "a\\x4G\n", "b.txt:3: a path holding a backslash that is neither '\\\\' nor '\\x' "
                            "and two lower-case hex digits"},
        {head + "a\\\n", "b.txt:3: a path holding a backslash that is neither '\\\\' nor '\\x' and "
                         "two lower-case hex digits"},
        {head + "a\\x00\n", "b.txt:3: a path holding a zero byte"},
        {head + "a\x01"
                "b\n",
         "b.txt:3: a path holding a raw control byte, which the baseline writes as \\xHH"},
        {head + "<<<<<<< HEAD\n  1000 00000001 0002\n=======\n",
         "b.txt:3: an unresolved merge conflict: write the baseline again rather than merge it "
         "by hand"},
        {head + "  1000 00000001 0002\n=======\n",
         "b.txt:4: an unresolved merge conflict: write the baseline again rather than merge it "
         "by hand"},
        {head + ">>>>>>> theirs\n",
         "b.txt:3: an unresolved merge conflict: write the baseline again rather than merge it "
         "by hand"},
    };
    for (const auto& [text, message] : cases) {
        try {
            parseBaseline(text, "b.txt");
            ADD_FAILURE() << "read '" << text << "'";
        } catch (const BaselineException& e) {
            EXPECT_EQ(e.getMessage(), message) << "'" << text << "'";
        }
    }
}

} // namespace
