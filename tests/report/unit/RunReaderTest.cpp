#include "report/RunReader.h"

#include "tests/report/unit/RecordingListener.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using report::RunReader;
using report::testing::RecordingListener;
using Events = std::vector<std::string>;

namespace {

const std::string kBanner = "Quarvel v1.22. Checks Java sources against 42 numbered coding "
                            "rules.\nCopyright (c) 2026 the Quarvel developers.\n";
const std::string kDefect1 = "A.java:3 Rule(1006) Empty catch block.\n";
const std::string kDefect2 = "B.java:1 Rule(1035) No package declaration found.\n";
const std::string kSummary = "\nAnalysed 2 files. 2 defects found.\nTotal time: 0.047 seconds";
const std::string kAssertion = "----------------------------------------\n"
                               "Assertion failed. Message: hasMoreTokens()\n"
                               "File: util/parser/StringTokenizerImpl.cpp\n"
                               "Line: 40\n"
                               "Occurred: Mon Dec 07 14:12:00 2026\n"
                               "\n"
                               "Please contact support@example.invalid and include this message.\n"
                               "Thank you for helping us improve the software.\n"
                               "----------------------------------------\n";

Events readInPieces(const std::string& input, std::size_t piece) {
    RecordingListener listener;
    RunReader reader(listener);
    for (std::size_t at = 0; at < input.size(); at += piece)
        reader.feed(std::string_view(input).substr(at, piece));
    reader.finish();
    return listener.events;
}

/// The events for the input fed whole, after checking that feeding it in pieces of the given
/// sizes gives the same.
Events read(const std::string& input,
            const std::vector<std::size_t>& pieces = {1, 2, 3, 4, 5, 6, 7, 8, 9}) {
    const Events whole = readInPieces(input, input.size() + 1);
    for (const std::size_t piece : pieces)
        EXPECT_EQ(readInPieces(input, piece), whole) << "in pieces of " << piece;
    return whole;
}

const std::string kStart = "start 1.22 posix";
const std::string kEvent1 = "defect A.java|3|1006|Empty catch block.";
const std::string kEvent2 = "defect B.java|1|1035|No package declaration found.";

std::string crlf(const std::string& text) {
    std::string converted;
    for (const char c : text) {
        if (c == '\n')
            converted += '\r';
        converted += c;
    }
    return converted;
}

TEST(RunReader, ReadsARunThatEndsNormally) {
    EXPECT_EQ(read(kBanner + "\n" + kDefect1 + kDefect2 + kSummary),
              (Events{kStart, kEvent1, kEvent2, "end finished 2 "}));
    EXPECT_EQ(read(kBanner + "\n" + "\nAnalysed 1 file. 0 defects found.\nTotal time: 0 seconds"),
              (Events{kStart, "end finished 0 "}));
    // A line end added after the summary is harmless.
    EXPECT_EQ(read(kBanner + "\n" + kDefect1 + kDefect2 + kSummary + "\n"),
              (Events{kStart, kEvent1, kEvent2, "end finished 2 "}));
}

TEST(RunReader, ReadsTheWindowsBuildsLineEnds) {
    EXPECT_EQ(read(crlf(kBanner + "\n" + kDefect1 + kDefect2 + kSummary)),
              (Events{"start 1.22 windows", kEvent1, kEvent2, "end finished 2 "}));
    // The system's own texts end in CR LF, which the console turns into CR CR LF.
    EXPECT_EQ(read(crlf(kBanner + "\n" + kDefect1 + "An error.\nSystem error message: Gone.\r\n" +
                        "\nC++ exception: x")),
              (Events{"start 1.22 windows", kEvent1,
                      "end failed 1 An error.\nSystem error message: Gone.\n\nC++ exception: x"}));
}

TEST(RunReader, TakesTheTextAfterTheDefectsAsTheFailureMessage) {
    const std::string message = "An error occured when trying to open the file for reading.\n"
                                "Filename: 'Missing.java'\nCurrent Working Directory: /w/\n"
                                "System error message: No such file or directory\n"
                                "C++ exception: basic_ios::clear: iostream error";
    EXPECT_EQ(read(kBanner + "\n" + kDefect1 + message),
              (Events{kStart, kEvent1, "end failed 1 " + message}));
    // Failures of the command line come right after the banner.
    EXPECT_EQ(read(kBanner + "The flag -x is not allowed"),
              (Events{kStart, "end failed 0 The flag -x is not allowed"}));
    EXPECT_EQ(read(kBanner + "\nNegative warnings no allowed. Line: 3."),
              (Events{kStart, "end failed 0 Negative warnings no allowed. Line: 3."}));
}

TEST(RunReader, TellsARunThatStopsBeforeItsEnd) {
    EXPECT_EQ(read(kBanner + "\n" + kDefect1),
              (Events{kStart, kEvent1, "end unfinished 1 it ends without the summary"}));
    EXPECT_EQ(read(kBanner + "\n" + kDefect1 + "B.java:1 Rule(1035) No pack"),
              (Events{kStart, kEvent1, "end unfinished 1 its last defect line is cut short"}));
    EXPECT_EQ(read(kBanner + "\n" + kDefect1 + kDefect2.substr(0, kDefect2.size() - 1)),
              (Events{kStart, kEvent1, kEvent2,
                      "end unfinished 2 its last defect line has no line end"}));
    EXPECT_EQ(read(kBanner), (Events{kStart, "end unfinished 0 it ends after the banner"}));
    EXPECT_EQ(read(kBanner.substr(0, 20)),
              (Events{"start 1.22 posix", "end unfinished 0 it ends inside the banner"}));
    EXPECT_EQ(read(kBanner + "\n" + kDefect1 + "\nAnalysed 2 files. 1 defects found.\nTotal ti"),
              (Events{kStart, kEvent1, "end unfinished 1 it ends inside the summary"}));
    EXPECT_EQ(read(kBanner + "\n" + kDefect1 + kAssertion.substr(0, 100)),
              (Events{kStart, kEvent1,
                      "end unfinished 1 it ends inside the report of a failed internal check"}));
}

TEST(RunReader, PassesOnTheReportsOfFailedInternalChecks) {
    const std::string report = "assertion Assertion failed. Message: hasMoreTokens()\n"
                               "File: util/parser/StringTokenizerImpl.cpp\nLine: 40\n"
                               "Occurred: Mon Dec 07 14:12:00 2026";
    EXPECT_EQ(read(kBanner + "\n" + kDefect1 + kAssertion + kDefect2 + kSummary),
              (Events{kStart, kEvent1, report, kEvent2, "end finished 2 "}));
    EXPECT_EQ(read(kBanner + kAssertion + "\n" + kAssertion + kDefect1 + kDefect2 + kSummary),
              (Events{kStart, report, report, kEvent1, kEvent2, "end finished 2 "}));
    // A condition text may hold line feeds, empty lines included.
    std::string twoLines = kAssertion;
    twoLines.replace(twoLines.find("hasMoreTokens()"), 15, "a\n\nb");
    EXPECT_EQ(read(kBanner + "\n" + twoLines + kDefect1 + kDefect2 + kSummary)[1],
              "assertion Assertion failed. Message: a\n\nb\nFile: "
              "util/parser/StringTokenizerImpl.cpp\nLine: 40\nOccurred: Mon Dec 07 14:12:00 2026");
}

TEST(RunReader, RefusesWhatIsNotTheOutputOfARun) {
    EXPECT_EQ(read(""), (Events{"start  posix", "end not a run 0 the input is empty"}));
    EXPECT_EQ(read("hello\nworld\n"),
              (Events{"start  posix", "end not a run 0 it does not begin with quarvel's banner"}));
    EXPECT_EQ(read("This is a command line program. Please run it from a DOS prompt.\n"),
              (Events{"start  posix",
                      "end not a run 0 quarvel was started without arguments and printed its "
                      "hint"}));
    EXPECT_EQ(read("Quarvel vx\n"),
              (Events{"start  posix", "end not a run 0 its first line is not quarvel's banner"}));
    // A line that is not a defect line, with the rest of a run after it.
    EXPECT_EQ(read(kBanner + "\n" + kDefect1 + "hello\n" + kDefect2 + kSummary),
              (Events{kStart, kEvent1,
                      "end not a run 1 line 5 is not a defect line, the report of a failed "
                      "internal check or the summary: \"hello\""}));
    EXPECT_EQ(read(kBanner + "\n" + kDefect1 + "hello\n"),
              (Events{kStart, kEvent1,
                      "end not a run 1 line 5 is not a defect line, the report of a failed "
                      "internal check or the summary: \"hello\""}));
    // Lines were taken out, or text added after the end.
    EXPECT_EQ(read(kBanner + "\n" + kDefect1 + kSummary),
              (Events{kStart, kEvent1,
                      "end not a run 1 its summary counts 2 defects, but it holds 1 defect "
                      "lines: it was changed"}));
    EXPECT_EQ(
        read(kBanner + "\n" + kDefect1 + kDefect2 + kSummary + "\n\n"),
        (Events{kStart, kEvent1, kEvent2, "end not a run 2 text follows the summary, at line 9"}));
    EXPECT_EQ(
        read(kBanner + "\n" + kDefect1 + "\nAnalysed 2 files. 1 defects found.\nx\n"),
        (Events{kStart, kEvent1, "end not a run 1 the summary's line 7 is not the time taken"}));
}

TEST(RunReader, KnowsFromTheFirstBytesWhatIsNoRun) {
    // Fed without a line feed, as from /dev/zero: the reader wants no more once the first
    // line cannot be the banner's, however long the rest would be.
    const struct {
        std::string start;
        std::string reason;
    } cases[] = {
        {std::string(4096, '\0'), "it does not begin with quarvel's banner"},
        {"y\ny\ny\n", "it does not begin with quarvel's banner"},
        {"Quarvel\r\n", "it does not begin with quarvel's banner"},
        {"Quarvel v1.22. " + std::string(4096, 'x'), "its first line is not quarvel's banner"},
        {"This is a command line program." + std::string(4096, 'x'),
         "quarvel was started without arguments and printed its hint"},
    };
    for (const auto& c : cases) {
        RecordingListener listener;
        RunReader reader(listener);
        reader.feed(c.start);
        EXPECT_FALSE(reader.wantsMore()) << c.start.substr(0, 20);
        reader.feed(kBanner); // too late: it changes nothing
        reader.finish();
        EXPECT_EQ(listener.events, (Events{"start  posix", "end not a run 0 " + c.reason}));
        // The same when the line ends after all.
        EXPECT_EQ(read(c.start + "\n" + kSummary, {1, 7, 1000}), listener.events);
    }
    // What may still be the banner's or the hint's first line is waited for.
    for (const std::string start : {"Q", "Quarvel v1.2", "This is a com"}) {
        RecordingListener listener;
        RunReader reader(listener);
        reader.feed(start);
        EXPECT_TRUE(reader.wantsMore()) << start;
    }
    // A banner may take up to 1024 bytes, its line end apart.
    const std::string longest = "Quarvel v1.22. " + std::string(1024 - 15, 'x');
    EXPECT_EQ(read(crlf(longest + "\nsecond\n\n\nAnalysed 1 file. 0 defects found.\nTotal time: 0 "
                                  "seconds"),
                   {1, 1000}),
              (Events{"start 1.22 windows", "end finished 0 "}));
    EXPECT_EQ(read(longest + "x\n"),
              (Events{"start  posix", "end not a run 0 its first line is not quarvel's banner"}));
}

TEST(RunReader, TellsTheUsageTextFromARun) {
    const std::string usage = "Usage: quarvel.exe -help -files file1 .. filen -config configfile "
                              "-projects proj1.jnt .. projn.jnt\n";
    EXPECT_EQ(
        read(kBanner + usage),
        (Events{kStart, "end usage only 0 quarvel printed its usage text and analysed nothing"}));
    EXPECT_EQ(read(kBanner + usage + "more\n"),
              (Events{kStart, "end not a run 0 text follows the usage text, at line 4"}));
}

TEST(RunReader, KeepsNoOverlongLineWhole) {
    // A megabyte and more without a line feed is no defect line; it is kept only in part.
    const std::string longName(3 << 20, 'a');
    const auto events =
        read(kBanner + "\n" + longName + ":1 Rule(1006) Empty catch block.\n" + kSummary,
             {4096, 1 << 20});
    ASSERT_EQ(events.size(), 2u);
    EXPECT_EQ(events[1].substr(0, 40), "end not a run 0 line 4 is not a defect l");
}

} // namespace
