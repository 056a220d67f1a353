#include "lsp/ScanConfigReader.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>

namespace {

using lsp::FileRules;
using lsp::Level;

/// A folder of its own for each test, removed at the end.
class Folder {
  public:
    Folder() {
        std::string pattern =
            (std::filesystem::temp_directory_path() / "lsp-config-XXXXXX").string();
        path_ = mkdtemp(pattern.data());
    }
    ~Folder() { std::filesystem::remove_all(path_); }
    void write(const std::string& text) const {
        std::ofstream(path_ + "/quarvel.toml", std::ios::binary) << text;
    }
    const std::string& path() const { return path_; }

  private:
    std::string path_;
};

TEST(ScanConfigReader, ReadsWhatQuarvelScanReads) {
    const Folder folder;
    folder.write("include = [\"src/**\"]\n"
                 "exclude = [\"src/gen/**\"]\n"
                 "[rules]\n"
                 "1006 = \"error\"\n"
                 "1020 = \"off\"\n"
                 "1035 = \"note\"\n" // its own level already
                 "[[paths]]\n"
                 "glob = \"src/test/**\"\n"
                 "off = [1037, 1038]\n");
    const auto config = lsp::ScanConfigReader().read(folder.path());

    const FileRules main = config->rulesFor("src/main/A.java");
    EXPECT_FALSE(main.excluded);
    EXPECT_EQ(main.off, std::vector<std::int32_t>{1020});
    EXPECT_EQ(main.levels, (std::map<std::int32_t, Level>{{1006, Level::kError}}));

    EXPECT_EQ(config->rulesFor("src/test/T.java").off,
              (std::vector<std::int32_t>{1020, 1037, 1038}));
    EXPECT_TRUE(config->rulesFor("src/gen/G.java").excluded);
    EXPECT_TRUE(config->rulesFor("other/B.java").excluded);
}

TEST(ScanConfigReader, AFolderWithoutTheFileHasTheDefaults) {
    const Folder folder;
    const FileRules rules = lsp::ScanConfigReader().read(folder.path())->rulesFor("A.java");
    EXPECT_FALSE(rules.excluded);
    EXPECT_TRUE(rules.off.empty());
    EXPECT_TRUE(rules.levels.empty());
}

TEST(ScanConfigReader, ABadFileIsAnErrorThatNamesIt) {
    const Folder folder;
    folder.write("[rules]\n1006 = \"loud\"\n");
    try {
        lsp::ScanConfigReader().read(folder.path());
        FAIL() << "no error";
    } catch (const lsp::ConfigError& error) {
        const std::string message = error.what();
        EXPECT_EQ(message.rfind(folder.path() + "/quarvel.toml:2:", 0), 0u) << message;
    }
}

} // namespace
