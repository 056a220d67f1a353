#include "app/ProjectParser.h"

#include "util/parser/ArgumentParserHelpers.h"

#include <gtest/gtest.h>

#include <map>

using app::DelimitedProjectParser;
using util::parser::extensionOf;
using util::parser::fileNameOf;

namespace {

/// Serves files from memory.
class MemoryLoader : public app::FileLoader {
  public:
    std::map<std::string, std::string> files;
    std::string load(const std::string& name, std::uint64_t,
                     const std::function<bool()>&) override {
        return files.at(name);
    }
};

std::vector<std::string> namesIn(const std::string& content) {
    MemoryLoader loader;
    loader.files["p.jnt"] = content;
    DelimitedProjectParser parser(loader, {""}, {"\n"}, "jnt");
    return parser.readFileNames("p.jnt");
}

using Names = std::vector<std::string>;

TEST(DelimitedProjectParser, OneNamePerLineEndedByALineFeed) {
    EXPECT_EQ(namesIn("A.java\r\nB.java\r\nC.java\r\n"), (Names{"A.java", "B.java", "C.java"}));
    EXPECT_EQ(namesIn("A.java\r\nB.java\r\nC.java"), (Names{"A.java", "B.java"}));
    EXPECT_EQ(namesIn("\n\r\nA.java\n\n"), (Names{"A.java"}));
    EXPECT_EQ(namesIn("  \n\tx y.java \n"), (Names{"  ", "\tx y.java "}));
    EXPECT_EQ(namesIn("a\rb.java\n"), (Names{"ab.java"}));
    EXPECT_EQ(namesIn(""), Names{});
    EXPECT_EQ(namesIn("no line feed"), Names{});
}

TEST(DelimitedProjectParser, SeveralMarkerPairsTakeTheEarliestStart) {
    MemoryLoader loader;
    loader.files["p"] = "<b>two</b> <a>one</a>";
    DelimitedProjectParser parser(loader, {"<a>", "<b>"}, {"</a>", "</b>"}, "");
    EXPECT_EQ(parser.readFileNames("p"), (Names{"two", "one"}));
    EXPECT_TRUE(parser.acceptsExtension("anything"));
}

TEST(DelimitedProjectParser, ExtensionMustMatchExactly) {
    MemoryLoader loader;
    DelimitedProjectParser parser(loader, {""}, {"\n"}, "jnt");
    EXPECT_TRUE(parser.acceptsExtension("jnt"));
    EXPECT_FALSE(parser.acceptsExtension("JNT"));
    EXPECT_FALSE(parser.acceptsExtension("jnt "));
    EXPECT_FALSE(parser.acceptsExtension(""));
}

TEST(ArgumentParserHelpers, ExtensionOfPathsInTheirManyForms) {
    EXPECT_EQ(extensionOf("p.jnt"), "jnt");
    EXPECT_EQ(extensionOf("\"p.jnt\""), "jnt");
    EXPECT_EQ(extensionOf("C:\\dir\\p.jnt"), "jnt");
    EXPECT_EQ(extensionOf("C:\\dir.old\\p"), "");
    EXPECT_EQ(extensionOf("p.jnt x"), "jnt x"); // no backslash: nothing is cut
    EXPECT_EQ(extensionOf("C:\\a\\p.jnt x"), "jnt");
    EXPECT_EQ(extensionOf("dir/p.txt"), "txt");
    EXPECT_EQ(extensionOf("noext"), "");
    EXPECT_EQ(fileNameOf("a/b\\c.java"), "c.java"); // only the backslash separates
    EXPECT_EQ(fileNameOf("a/b/c.java"), "a/b/c.java");
}

} // namespace
