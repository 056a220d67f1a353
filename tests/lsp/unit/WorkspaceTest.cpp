#include "lsp/Workspace.h"

#include "lsp/MessageOutput.h"

#include <gtest/gtest.h>

namespace {

class Discard : public lsp::MessageOutput {
  public:
    bool write(std::string_view) override { return true; }
};

/// A configuration that knows the folder it was read for.
class FolderConfig : public lsp::DefaultConfig {
  public:
    explicit FolderConfig(std::string folder) : folder(std::move(folder)) {}
    std::string folder;
};

class FolderReader : public lsp::ConfigReader {
  public:
    std::shared_ptr<const lsp::WorkspaceConfig> read(const std::string& folder) const override {
        return std::make_shared<FolderConfig>(folder);
    }
};

std::string folderOf(const lsp::Workspace::Place& place) {
    return dynamic_cast<const FolderConfig&>(*place.config).folder;
}

TEST(Workspace, AFileBelongsToTheInnermostFolderThatHoldsIt) {
    Discard output;
    lsp::MessageWriter writer(output);
    lsp::Client client(writer);
    const FolderReader reader;
    lsp::Workspace workspace(reader, client);
    workspace.setFolders({{"file:///w", "/w"}, {"file:///w/sub", "/w/sub"}, {"file:///x", "/x"}});

    const lsp::Workspace::Place inner = workspace.placeOf("/w/sub/src/A.java");
    EXPECT_EQ(folderOf(inner), "/w/sub");
    EXPECT_EQ(inner.relativePath, "src/A.java");
    ASSERT_TRUE(inner.folder);
    EXPECT_EQ(inner.folder->uri, "file:///w/sub");

    const lsp::Workspace::Place outer = workspace.placeOf("/w/subway/A.java");
    EXPECT_EQ(folderOf(outer), "/w");
    EXPECT_EQ(outer.relativePath, "subway/A.java");

    const lsp::Workspace::Place outside = workspace.placeOf("/y/A.java");
    EXPECT_FALSE(outside.folder);
    EXPECT_EQ(outside.relativePath, "/y/A.java");

    EXPECT_TRUE(workspace.reloadIfConfig("/w/sub/quarvel.toml"));
    EXPECT_FALSE(workspace.reloadIfConfig("/w/sub/src/quarvel.toml"));
    EXPECT_EQ(lsp::configFileIn("file:///w/"), "file:///w/quarvel.toml");
}

} // namespace
