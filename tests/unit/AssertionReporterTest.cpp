#include "util/AssertionReporter.h"

#include "tests/unit/TemporaryFolder.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

namespace {

std::string readWhole(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

TEST(AssertionReporter, ReportLayout) {
    const std::string report =
        util::formatAssertionReport("a == b", "util/X.cpp", 42, "Mon Dec 07 14:12:00 2026");
    EXPECT_EQ(report, "----------------------------------------\n"
                      "Assertion failed. Message: a == b\n"
                      "File: util/X.cpp\n"
                      "Line: 42\n"
                      "Occurred: Mon Dec 07 14:12:00 2026\n"
                      "\n"
                      "Please contact support@quarvel.dev and include this message.\n"
                      "Thank you for helping us improve the software.\n"
                      "----------------------------------------\n");
}

TEST(AssertionReporter, DateHasTheAsctimeFieldsWithATwoDigitDay) {
    // "Www Mmm dd hh:mm:ss yyyy": letters (L), digits (9) and the separators in between.
    const std::string layout = "Lll Lll 99 99:99:99 9999";
    const std::string text = util::currentLocalTimeText();
    ASSERT_EQ(text.size(), layout.size()) << text;
    for (std::size_t i = 0; i < layout.size(); ++i) {
        const char c = text[i];
        const char want = layout[i];
        if (want == 'L')
            EXPECT_TRUE(c >= 'A' && c <= 'Z') << text;
        else if (want == 'l')
            EXPECT_TRUE(c >= 'a' && c <= 'z') << text;
        else if (want == '9')
            EXPECT_TRUE(c >= '0' && c <= '9') << text;
        else
            EXPECT_EQ(c, want) << text;
    }
}

TEST(AssertionReporter, AppendsToTheFileAndPrintsTheSameText) {
    testsupport::TemporaryFolder folder;
    {
        std::ofstream earlier("assertion.txt", std::ios::binary);
        earlier << "earlier run\n";
    }
    testing::internal::CaptureStdout();
    util::reportAssertion("first\nwith a line feed", "a.cpp", 1);
    util::reportAssertion("second", "b.cpp", 2);
    const std::string printed = testing::internal::GetCapturedStdout();

    const std::string file = readWhole("assertion.txt");
    EXPECT_EQ(file, "earlier run\n" + printed);
    EXPECT_NE(printed.find("Message: first\nwith a line feed\n"), std::string::npos);
    EXPECT_NE(printed.find("Message: second\nFile: b.cpp\nLine: 2\n"), std::string::npos);
}

} // namespace
