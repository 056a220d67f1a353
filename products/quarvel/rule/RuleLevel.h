#pragma once

#include <optional>
#include <string_view>

namespace products::quarvel::rule {

/// How serious a rule's defects are by default: a likely bug, risky or doubtful code, or a
/// matter of style and layout.
enum class Level { kError, kWarning, kNote };

/// The level's name as configuration files and reports write it: "error", "warning", "note".
constexpr std::string_view levelName(Level level) {
    switch (level) {
    case Level::kError:
        return "error";
    case Level::kWarning:
        return "warning";
    case Level::kNote:
        return "note";
    }
    return "note"; // not reached: every level is named above
}

/// The level with exactly this name (lower case, nothing around it), or nullopt.
constexpr std::optional<Level> parseLevel(std::string_view name) {
    for (const Level level : {Level::kError, Level::kWarning, Level::kNote}) {
        if (levelName(level) == name)
            return level;
    }
    return std::nullopt;
}

} // namespace products::quarvel::rule
