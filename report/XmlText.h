#pragma once

#include "report/BlockWriter.h"

#include <string>
#include <string_view>

namespace report {

/// Writes text for an XML 1.0 attribute value in double quotes, for any bytes: markup
/// characters and tab, line feed and carriage return as references; well-formed UTF-8 kept;
/// every other byte above 127 as a reference to the character with its value (as in
/// Latin-1). The control bytes XML 1.0 cannot hold at all are written as their pictures
/// (U+2400 and on: "\x01" becomes U+2401), and the noncharacters U+FFFE and U+FFFF as U+FFFD.
void appendXmlAttributeText(std::string& out, std::string_view text);

inline void writeXmlAttributeText(BlockWriter& out, std::string_view text) {
    appendXmlAttributeText(out.buffer(), text);
    out.drainWhenFull();
}

} // namespace report
