#include "products/quarvel/rule/UnusedImportRule.h"

#include "products/quarvel/rule/PatternSearch.h"

namespace products::quarvel::rule {
namespace {
const Pattern kImportedName(R"(import\s+[^;]+\.([_\w]+);)", {{"import"}});
const char kMessage[] = "Unused import statement.";

/// A word byte of the patterns: an ASCII letter, digit or underscore; every other byte,
/// those above 127 included, is a non-word byte.
bool isWordByte(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_';
}

/// True when the name occurs after `from` with a non-word byte on both sides, the first of
/// which may be the byte at `from` itself. The name is all word bytes, so this gives what
/// the pattern "[^\w]" + name + "[^\w]" searched from `from` would give.
bool occursAsWordAfter(const std::string& code, const std::string& name, std::size_t from) {
    for (std::size_t at = code.find(name, from + 1); at != std::string::npos;
         at = code.find(name, at + 1)) {
        const std::size_t after = at + name.size();
        if (!isWordByte(code[at - 1]) && after < code.size() && !isWordByte(code[after]))
            return true;
    }
    return false;
}
} // namespace

DefectList UnusedImportRule::checkCode(const std::string& code, const std::string& fileName) const {
    return collectDefects(kNumber, [&](DefectList& defects) {
        LineCounter lines(code);
        forEachMatch(kImportedName, code, [&](const Match& m) -> Resume {
            const Span name = m.group(1);
            if (!occursAsWordAfter(code, m.groupText(code, 1), name.end))
                defects.push_back({fileName, lines.lineAt(name.end), kMessage});
            return name.end; // at the semicolon
        });
    });
}

} // namespace products::quarvel::rule
