#pragma once

#include <string>
#include <string_view>

namespace report {

/// The text with every control byte but the line feed, and DEL, written as \x and two hex
/// digits (ESC as \x1b, a zero byte as \x00), so that text read from the input cannot drive
/// a terminal and a zero byte cannot end it early. Bytes above 127 are kept as they are.
std::string withVisibleControlBytes(std::string_view text);

} // namespace report
