#pragma once

#include "lsp/TextPositions.h"

#include <optional>
#include <string>
#include <string_view>

namespace lsp {

struct Range {
    Position start;
    Position end;
};

/// One entry of a didChange: the range it replaces, or the whole text when there is none.
struct TextChange {
    std::optional<Range> range;
    std::string text;
};

/// Applies a change to a document's bytes. The range's ends are clamped as offsetOf clamps
/// them; a range whose end comes before its start replaces the bytes between the two.
void applyChange(std::string& document, const TextChange& change);

} // namespace lsp
