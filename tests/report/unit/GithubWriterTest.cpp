#include "report/GithubWriter.h"

#include <gtest/gtest.h>

#include <string>

namespace {

std::string data(std::string_view text) {
    std::string out;
    report::BlockWriter sink([&](std::string_view bytes) {
        out.append(bytes);
        return true;
    });
    report::writeGithubData(sink, text);
    sink.flush();
    return out;
}

std::string property(std::string_view text) {
    std::string out;
    report::BlockWriter sink([&](std::string_view bytes) {
        out.append(bytes);
        return true;
    });
    report::writeGithubProperty(sink, text);
    sink.flush();
    return out;
}

TEST(GithubWriter, EscapesMessagesAsWorkflowCommandsRequire) {
    EXPECT_EQ(data("Empty catch block."), "Empty catch block.");
    EXPECT_EQ(data("100% a\r\nb: c, d"), "100%25 a%0D%0Ab: c, d");
}

TEST(GithubWriter, EscapesPropertiesAsWorkflowCommandsRequire) {
    EXPECT_EQ(property("src/A.java"), "src/A.java");
    EXPECT_EQ(property("C:\\a,b%c\r\nd.java"), "C%3A\\a%2Cb%25c%0D%0Ad.java");
}

} // namespace
