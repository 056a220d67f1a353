#include "report/JsonText.h"
#include "report/TerminalText.h"
#include "report/Utf8.h"
#include "report/XmlText.h"

#include <gtest/gtest.h>

#include <string>

namespace {

std::string json(std::string_view text) {
    std::string out;
    report::appendJsonString(out, text);
    return out;
}

std::string xml(std::string_view text) {
    std::string out;
    report::appendXmlAttributeText(out, text);
    return out;
}

using namespace std::string_literals;

TEST(Utf8, MeasuresWellFormedSequencesOnly) {
    using report::utf8SequenceLength;
    EXPECT_EQ(utf8SequenceLength("a", 0), 1u);
    EXPECT_EQ(utf8SequenceLength("\xC3\xA9", 0), 2u);         // é
    EXPECT_EQ(utf8SequenceLength("\xE2\x82\xAC", 0), 3u);     // €
    EXPECT_EQ(utf8SequenceLength("\xF0\x9F\x98\x80", 0), 4u); // an emoji
    EXPECT_EQ(utf8SequenceLength("\xF4\x8F\xBF\xBF", 0), 4u); // U+10FFFF
    EXPECT_EQ(utf8SequenceLength("\xE9", 0), 0u);             // Latin-1 é
    EXPECT_EQ(utf8SequenceLength("\xA9", 0), 0u);             // a stray continuation
    EXPECT_EQ(utf8SequenceLength("\xC3", 0), 0u);             // cut short
    EXPECT_EQ(utf8SequenceLength("\xE2\x82", 0), 0u);
    EXPECT_EQ(utf8SequenceLength("\xC0\xAF", 0), 0u);         // overlong '/'
    EXPECT_EQ(utf8SequenceLength("\xE0\x80\xAF", 0), 0u);     // overlong
    EXPECT_EQ(utf8SequenceLength("\xF0\x80\x80\xAF", 0), 0u); // overlong
    EXPECT_EQ(utf8SequenceLength("\xED\xA0\x80", 0), 0u);     // a surrogate
    EXPECT_EQ(utf8SequenceLength("\xF4\x90\x80\x80", 0), 0u); // above U+10FFFF
    EXPECT_EQ(utf8SequenceLength("\xF8\x88\x80\x80\x80", 0), 0u);
    EXPECT_EQ(utf8SequenceLength("x\xC3\xA9", 1), 2u);
}

TEST(JsonText, EscapesWhatJsonRequires) {
    EXPECT_EQ(json(""), "\"\"");
    EXPECT_EQ(json("Empty catch block."), "\"Empty catch block.\"");
    EXPECT_EQ(json("a \"b\" \\ c/d"), "\"a \\\"b\\\" \\\\ c/d\"");
    EXPECT_EQ(json("\b\f\n\r\t"), "\"\\b\\f\\n\\r\\t\"");
    EXPECT_EQ(json("\x01\x1f"s + '\0' + "\x7f"), "\"\\u0001\\u001f\\u0000\x7f\"");
    EXPECT_EQ(json("C:\\src\\A.java"), "\"C:\\\\src\\\\A.java\"");
    EXPECT_EQ(json("& < > '"), "\"& < > '\"");
}

TEST(JsonText, KeepsUtf8AndTakesOtherHighBytesAsLatin1) {
    EXPECT_EQ(json("\xC3\x9Cn\xC3\xAF.java"), "\"\xC3\x9Cn\xC3\xAF.java\"");
    EXPECT_EQ(json("caf\xE9.java"), "\"caf\\u00e9.java\"");
    EXPECT_EQ(json("\xC3"), "\"\\u00c3\"");
    EXPECT_EQ(json("\xED\xA0\x80"), "\"\\u00ed\\u00a0\\u0080\"");
    EXPECT_EQ(json("\xF0\x9F\x98\x80\xFF"), "\"\xF0\x9F\x98\x80\\u00ff\"");
}

TEST(XmlText, EscapesMarkupAndTheBytesAttributesWouldLose) {
    EXPECT_EQ(xml("Empty catch block."), "Empty catch block.");
    EXPECT_EQ(xml("a&b<c>d\"e'f"), "a&amp;b&lt;c&gt;d&quot;e&apos;f");
    EXPECT_EQ(xml("\t\n\r"), "&#x9;&#xA;&#xD;");
    EXPECT_EQ(xml("C:\\src\\A.java"), "C:\\src\\A.java");
}

TEST(XmlText, WritesEveryByteAsACharacterXmlCanHold) {
    // Control bytes XML 1.0 cannot hold become their pictures.
    EXPECT_EQ(xml("\x01"s + '\0' + "\x1f\x7f"), "&#x2401;&#x2400;&#x241F;\x7f");
    EXPECT_EQ(xml("\xC3\x9Cn.java"), "\xC3\x9Cn.java");
    EXPECT_EQ(xml("caf\xE9\x80.java"), "caf&#xE9;&#x80;.java");
    EXPECT_EQ(xml("\xEF\xBF\xBE\xEF\xBF\xBF\xEF\xBF\xBD"), "&#xFFFD;&#xFFFD;\xEF\xBF\xBD");
}

TEST(TerminalText, ShowsEveryControlByteButTheLineFeed) {
    using report::withVisibleControlBytes;
    EXPECT_EQ(withVisibleControlBytes("Empty catch block.\nline two"),
              "Empty catch block.\nline two");
    EXPECT_EQ(withVisibleControlBytes("\x1b[31mred\x1b[0m"), "\\x1b[31mred\\x1b[0m");
    EXPECT_EQ(withVisibleControlBytes("a"s + '\0' + "b"), "a\\x00b");
    EXPECT_EQ(withVisibleControlBytes("\x01\t\r\x1f \x7f~"), "\\x01\\x09\\x0d\\x1f \\x7f~");
    // Bytes above 127 are the terminal's to show: UTF-8 and any other.
    EXPECT_EQ(withVisibleControlBytes("\xC3\x9Cn \xE9\x80\xFF"), "\xC3\x9Cn \xE9\x80\xFF");
    EXPECT_EQ(withVisibleControlBytes("C:\\src\\x1b.java"), "C:\\src\\x1b.java");
}

} // namespace
