#include "lsp/ConfigRuleEdit.h"

#include <gtest/gtest.h>

namespace {

struct EditCase {
    const char* name;
    std::string before;
    std::optional<std::string> after; // nullopt: no edit is offered
};

std::optional<std::string> edited(const std::string& before, std::int32_t rule) {
    const std::optional<lsp::ByteEdit> edit = lsp::ruleOffEdit(before, rule);
    if (!edit)
        return std::nullopt;
    std::string after = before;
    after.replace(edit->start, edit->end - edit->start, edit->text);
    return after;
}

TEST(ConfigRuleEdit, SwitchesARuleOffInTheRulesTable) {
    const EditCase cases[] = {
        {"an empty file", "", "[rules]\n1006 = \"off\"\n"},
        {"a file without the table", "include = [\"src\"]\n",
         "include = [\"src\"]\n\n[rules]\n1006 = \"off\"\n"},
        {"a last line without a line break", "include = [\"src\"]",
         "include = [\"src\"]\n\n[rules]\n1006 = \"off\"\n"},
        {"after the table's last entry", "[rules]\n1000 = \"off\"\n# note\n\n[paths]\nx = 1\n",
         "[rules]\n1000 = \"off\"\n1006 = \"off\"\n# note\n\n[paths]\nx = 1\n"},
        {"an empty table", "[rules]\n[other]\n", "[rules]\n1006 = \"off\"\n[other]\n"},
        {"a table at the end without a line break", "[rules]\n1000 = \"off\"",
         "[rules]\n1000 = \"off\"\n1006 = \"off\""},
        {"a header with blanks and a comment", "[ rules ] # mine\n",
         "[ rules ] # mine\n1006 = \"off\"\n"},
        {"the rule's entry is replaced", "[rules]\n  1006 = \"error\" # why\n1007 = \"off\"\n",
         "[rules]\n  1006 = \"off\"\n1007 = \"off\"\n"},
        {"a quoted key is replaced", "[rules]\n\"1006\" = \"note\"\n", "[rules]\n1006 = \"off\"\n"},
        {"CR LF line ends are kept", "[rules]\r\n1000 = \"off\"\r\n",
         "[rules]\r\n1000 = \"off\"\r\n1006 = \"off\"\r\n"},
        {"the rule is off already", "[rules]\n1006 = \"off\"\n", std::nullopt},
        {"not TOML", "[rules\n", std::nullopt},
        {"rules written inline", "rules = { 1000 = \"off\" }\n", std::nullopt},
        {"rules that are not a table", "rules = 3\n", std::nullopt},
        {"rules in dotted keys", "rules.1000 = \"off\"\n", std::nullopt},
        {"an entry that spans lines", "[rules]\n1006 = \"\"\"\nerror\"\"\"\n", std::nullopt},
        // A header inside a string: the edit would land in the string, and the file would
        // still read, but not with the rule off.
        {"a header inside a string", "note = \"\"\"\n[rules]\n\"\"\"\n", std::nullopt},
    };
    for (const EditCase& c : cases)
        EXPECT_EQ(edited(c.before, 1006), c.after) << c.name;
}

} // namespace
