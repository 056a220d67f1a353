#pragma once

#include "exceptions/Exception.h"
#include "scan/baseline/DefectKey.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace scan::baseline {

/// A baseline file that cannot be read: "FILE:LINE: what is wrong".
class BaselineException : public exceptions::RuntimeException {
  public:
    using RuntimeException::RuntimeException;
    const std::string& getMessage() const override { return storedMessage(); }
};

/// One recorded defect. A key recorded n times is n entries.
struct Entry {
    std::string path;
    std::int32_t rule = 0;
    std::uint32_t lineHash = 0;    ///< lineHash of the key's text
    std::uint16_t contextHash = 0; ///< the KeyedDefect's context

    bool operator==(const Entry& other) const;
    bool operator<(const Entry& other) const;
};

Entry entryOf(const KeyedDefect& defect);

/// The baseline file: a version line, then for each file in byte order of its path, the path
/// on a line of its own and one line per entry, sorted, each two spaces, the rule, the line
/// hash in 8 hex digits and the context hash in 4:
///
///     quarvel-baseline 1
///     src/main/java/com/acme/Billing.java
///       1005 5d41402a 2a9f
///       1038 0b1c2d3e 0c1e
///     src/main/java/com/acme/Billing Test.java
///       1037 e3b0c442 0000
///
/// A path is written as it is but for a backslash, written `\\`, and as `\xHH` (lower-case
/// hex): control bytes (below 0x20, and 0x7F), bytes that are not part of well-formed UTF-8,
/// a space at either end, and a first byte that could start an entry line or a merge conflict
/// marker (' ', '<', '=', '>', '|'). Paths are not empty and hold no zero byte.
std::string formatBaseline(std::vector<Entry> entries);

/// Reads a baseline file; throws BaselineException naming `fileNameForMessages` and the line
/// for a missing or unknown version line, an entry before any path, a malformed entry or path
/// line, a rule that does not exist, or an unresolved merge conflict. Blank lines, lines that
/// end in CR LF, and files or entries out of order are read as well.
std::vector<Entry> parseBaseline(std::string_view text, const std::string& fileNameForMessages);

} // namespace scan::baseline
