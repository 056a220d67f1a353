#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace lsp {

/// A replacement of the bytes [start, end) of a text.
struct ByteEdit {
    std::size_t start;
    std::size_t end;
    std::string text;
};

/// The edit of a configuration file's text that switches a rule off: `N = "off"` in its
/// `[rules]` table, in place of the rule's entry when it has one, after the table's last
/// entry when not, and a new table at the end when the file has none. The edit keeps the
/// file's line ends (CR LF when it has them). nullopt when the text is not TOML, when the
/// rule is off already, or when the edited text would not read as the same configuration
/// with the rule off (a `rules` table written inline, for example): the result is parsed
/// and compared before it is offered.
std::optional<ByteEdit> ruleOffEdit(std::string_view config, std::int32_t rule);

} // namespace lsp
