// Every input that once crashed Quarvel, hung it or made a search give up, through the same
// check as the fuzz target; CTest gives each a time limit, so a hang that returns fails too.
#include "tests/fuzz/InputCheck.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace {

std::string readWhole(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

class CorpusReplay : public testing::TestWithParam<std::filesystem::path> {};

TEST_P(CorpusReplay, PassesTheInputCheck) {
    EXPECT_EQ(quarvel::testing::problemsWith(readWhole(GetParam())), "");
}

std::vector<std::filesystem::path> corpusInputs() {
    std::vector<std::filesystem::path> inputs;
    for (const auto& entry :
         std::filesystem::recursive_directory_iterator(QUARVEL_REGRESSION_CORPUS_DIR)) {
        if (entry.is_regular_file() && entry.path().filename() != "README.md")
            inputs.push_back(entry.path());
    }
    std::sort(inputs.begin(), inputs.end());
    return inputs;
}

std::string testName(const testing::TestParamInfo<std::filesystem::path>& info) {
    std::string name =
        info.param.parent_path().filename().string() + "_" + info.param.filename().string();
    for (char& c : name) {
        if (!std::isalnum(static_cast<unsigned char>(c)))
            c = '_';
    }
    return name;
}

INSTANTIATE_TEST_SUITE_P(Inputs, CorpusReplay, testing::ValuesIn(corpusInputs()), testName);

} // namespace
