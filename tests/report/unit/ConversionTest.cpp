#include "report/Conversion.h"

#include "tests/unit/TemporaryFolder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <iterator>
#include <string>
#include <sys/types.h>

namespace {

const std::string kRunStart = "Quarvel v1.22. Checks Java sources against 42 numbered coding "
                              "rules.\nCopyright (c) 2026 the Quarvel developers.\n\n"
                              "A.java:3 Rule(1006) Empty catch block.\n";

/// Gives its text, then fails as a disk that breaks down does.
struct FailingSource {
    std::string text;
    std::size_t at = 0;
};

ssize_t readThenFail(void* cookie, char* buffer, std::size_t size) {
    auto& source = *static_cast<FailingSource*>(cookie);
    if (source.at == source.text.size()) {
        errno = EIO;
        return -1;
    }
    const std::size_t count = std::min(size, source.text.size() - source.at);
    std::memcpy(buffer, source.text.data() + source.at, count);
    source.at += count;
    return static_cast<ssize_t>(count);
}

std::string contentOf(std::FILE* stream) {
    std::rewind(stream);
    std::string text;
    char buffer[4096];
    while (const std::size_t count = std::fread(buffer, 1, sizeof buffer, stream))
        text.append(buffer, count);
    return text;
}

std::string fileContent(const std::string& name) {
    std::ifstream in(name, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// An input that fails half-way is no run to report on: an older report stays; on standard
// output, what was read is all there is.
TEST(Conversion, AnInputThatFailsHalfWayLeavesTheOlderReport) {
    testsupport::TemporaryFolder folder;
    for (const std::string output : {"report.txt", ""}) {
        std::ofstream("report.txt") << "older report\n";
        FailingSource source{kRunStart};
        std::FILE* input = fopencookie(&source, "rb", {readThenFail, nullptr, nullptr, nullptr});
        ASSERT_TRUE(input);
        std::FILE* standardOutput = std::tmpfile();
        std::FILE* errors = std::tmpfile();
        report::Options options;
        options.output = output;
        EXPECT_EQ(report::convert(options, input, standardOutput, errors), 1);
        EXPECT_EQ(contentOf(errors),
                  "quarvel-report: cannot read standard input: Input/output error\n");
        EXPECT_EQ(fileContent("report.txt"), "older report\n");
        EXPECT_EQ(contentOf(standardOutput),
                  output.empty() ? "A.java:3: warning: Empty catch block. [1006]\n" : "");
        std::fclose(input);
        std::fclose(standardOutput);
        std::fclose(errors);
    }
}

} // namespace
