#include "lsp/ConfigRuleEdit.h"

#include <toml++/toml.h>
#include <vector>

namespace lsp {
namespace {

struct Line {
    std::size_t start;
    std::size_t end;  // before its line break
    std::size_t next; // after its line break
};

std::vector<Line> linesOf(std::string_view text) {
    std::vector<Line> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        const std::size_t lineFeed = text.find('\n', start);
        const std::size_t next = lineFeed == std::string_view::npos ? text.size() : lineFeed + 1;
        std::size_t end = lineFeed == std::string_view::npos ? text.size() : lineFeed;
        if (end > start && text[end - 1] == '\r')
            --end;
        lines.push_back({start, end, next});
        start = next;
    }
    return lines;
}

std::string_view trimmed(std::string_view text) {
    const std::size_t first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos)
        return {};
    const std::size_t last = text.find_last_not_of(" \t");
    return text.substr(first, last - first + 1);
}

/// "[rules]", with blanks inside the brackets and a comment after them allowed.
bool isRulesHeader(std::string_view line) {
    line = trimmed(line);
    if (line.size() < 2 || line[0] != '[' || line[1] == '[')
        return false;
    const std::size_t close = line.find(']');
    if (close == std::string_view::npos || trimmed(line.substr(1, close - 1)) != "rules")
        return false;
    const std::string_view rest = trimmed(line.substr(close + 1));
    return rest.empty() || rest[0] == '#';
}

bool isTableHeader(std::string_view line) {
    line = trimmed(line);
    return !line.empty() && line[0] == '[';
}

bool isEntry(std::string_view line) {
    line = trimmed(line);
    return !line.empty() && line[0] != '#';
}

/// Whether the line's key is the rule's number, bare or quoted.
bool isEntryOf(std::string_view line, const std::string& key) {
    line = trimmed(line);
    for (const std::string& spelling : {key, "\"" + key + "\"", "'" + key + "'"}) {
        if (line.substr(0, spelling.size()) == spelling &&
            trimmed(line.substr(spelling.size())).substr(0, 1) == "=")
            return true;
    }
    return false;
}

std::optional<toml::table> parsed(std::string_view text) {
    toml::parse_result result = toml::parse(text);
    if (!result)
        return std::nullopt;
    return std::move(result).table();
}

ByteEdit proposedEdit(std::string_view text, const std::string& key, const std::string& entry,
                      const std::string& lineBreak) {
    const std::vector<Line> lines = linesOf(text);
    std::size_t header = 0;
    while (
        header < lines.size() &&
        !isRulesHeader(text.substr(lines[header].start, lines[header].end - lines[header].start)))
        ++header;
    if (header == lines.size()) {
        std::string added;
        if (!text.empty() && text.back() != '\n')
            added += lineBreak;
        if (!text.empty())
            added += lineBreak;
        added += "[rules]" + lineBreak + entry + lineBreak;
        return {text.size(), text.size(), added};
    }
    const Line* last = &lines[header];
    for (std::size_t i = header + 1; i < lines.size(); ++i) {
        const std::string_view line = text.substr(lines[i].start, lines[i].end - lines[i].start);
        if (isTableHeader(line))
            break;
        if (isEntryOf(line, key)) {
            const std::size_t indent = line.find_first_not_of(" \t");
            return {lines[i].start + indent, lines[i].end, entry};
        }
        if (isEntry(line))
            last = &lines[i];
    }
    if (last->next == last->end) // the last line, without a line break
        return {last->end, last->end, lineBreak + entry};
    return {last->next, last->next, entry + lineBreak};
}

} // namespace

std::optional<ByteEdit> ruleOffEdit(std::string_view config, std::int32_t rule) {
    const std::optional<toml::table> before = parsed(config);
    if (!before)
        return std::nullopt;
    const std::string key = std::to_string(rule);
    toml::table expected = *before;
    toml::node* rules = expected.get("rules");
    if (!rules)
        rules = &expected.insert("rules", toml::table{}).first->second;
    if (!rules->is_table())
        return std::nullopt;
    if (const auto* level = rules->as_table()->get_as<std::string>(key);
        level && level->get() == "off")
        return std::nullopt;
    rules->as_table()->insert_or_assign(key, "off");

    const std::string lineBreak = config.find("\r\n") != std::string_view::npos ? "\r\n" : "\n";
    const ByteEdit edit = proposedEdit(config, key, key + " = \"off\"", lineBreak);
    std::string edited(config);
    edited.replace(edit.start, edit.end - edit.start, edit.text);
    const std::optional<toml::table> after = parsed(edited);
    if (!after || *after != expected)
        return std::nullopt;
    return edit;
}

} // namespace lsp
