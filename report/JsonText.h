#pragma once

#include "report/BlockWriter.h"

#include <string>
#include <string_view>

namespace report {

/// Writes a JSON string literal, quotes included, for any bytes. Well-formed UTF-8 is kept;
/// every other byte above 127 stands for the character with its value (as in Latin-1),
/// written as a \u escape, so the literal is valid JSON whatever the bytes were.
void appendJsonString(std::string& out, std::string_view text);

inline void writeJsonString(BlockWriter& out, std::string_view text) {
    appendJsonString(out.buffer(), text);
    out.drainWhenFull();
}

} // namespace report
