#include "scan/tree/UnifiedDiff.h"

#include <cstdlib>

namespace scan::tree {

namespace {

const char kNewFileHeader[] = "+++ ";
const char kNewSidePrefix[] = "b/";

bool startsWith(const std::string& text, std::size_t at, const char* prefix) {
    return text.compare(at, std::char_traits<char>::length(prefix), prefix) == 0;
}

char escapedByte(char letter) {
    switch (letter) {
    case 'a':
        return '\a';
    case 'b':
        return '\b';
    case 'f':
        return '\f';
    case 'n':
        return '\n';
    case 'r':
        return '\r';
    case 't':
        return '\t';
    case 'v':
        return '\v';
    default:
        return letter; // \" and \\ stand for themselves
    }
}

bool isOctalDigit(char byte) {
    return byte >= '0' && byte <= '7';
}

/// The number at `at` and where it ends; 0 when there is none.
std::size_t readNumber(const std::string& line, std::size_t& at) {
    std::size_t value = 0;
    while (at < line.size() && line[at] >= '0' && line[at] <= '9') {
        value = value * 10 + static_cast<std::size_t>(line[at] - '0');
        ++at;
    }
    return value;
}

/// One side of a hunk header, "-START[,COUNT]" or "+START[,COUNT]": its count (1 when not
/// given) and, through `start`, its first line.
std::size_t readSide(const std::string& line, std::size_t& at, std::size_t& start) {
    ++at; // the sign
    start = readNumber(line, at);
    if (at < line.size() && line[at] == ',') {
        ++at;
        return readNumber(line, at);
    }
    return 1;
}

/// The new file's path on a "+++ " line, or "" for "/dev/null".
std::string newFilePath(const std::string& line) {
    std::string name = line.substr(std::char_traits<char>::length(kNewFileHeader));
    // git ends the line with a tab after a name that holds a space; a name that ends in a
    // tab of its own is quoted.
    if (!name.empty() && name.back() == '\t')
        name.pop_back();
    name = unquoteGitPath(name);
    if (!startsWith(name, 0, kNewSidePrefix))
        return "";
    return name.substr(std::char_traits<char>::length(kNewSidePrefix));
}

} // namespace

std::string unquoteGitPath(const std::string& text) {
    if (text.size() < 2 || text.front() != '"' || text.back() != '"')
        return text;
    std::string path;
    for (std::size_t at = 1; at + 1 < text.size(); ++at) {
        if (text[at] != '\\' || at + 2 >= text.size()) {
            path += text[at];
            continue;
        }
        ++at;
        if (isOctalDigit(text[at])) {
            int value = 0;
            for (int digits = 0; digits < 3 && at + 1 < text.size() && isOctalDigit(text[at]);
                 ++digits, ++at)
                value = value * 8 + (text[at] - '0');
            --at;
            path += static_cast<char>(value);
        } else {
            path += escapedByte(text[at]);
        }
    }
    return path;
}

void addDiffLines(const std::string& patch, ChangedLines& changes) {
    std::string file;
    std::size_t oldLeft = 0; // lines of the current hunk still to come, on each side
    std::size_t newLeft = 0;
    std::size_t lineStart = 0;
    while (lineStart < patch.size()) {
        std::size_t lineEnd = patch.find('\n', lineStart);
        if (lineEnd == std::string::npos)
            lineEnd = patch.size();
        const std::string line = patch.substr(lineStart, lineEnd - lineStart);
        lineStart = lineEnd + 1;

        if (oldLeft > 0 || newLeft > 0) {
            if (!line.empty() && line[0] == '-' && oldLeft > 0)
                --oldLeft;
            else if (!line.empty() && line[0] == '+' && newLeft > 0)
                --newLeft;
            else if (!line.empty() && line[0] == ' ') { // context, though -U0 gives none
                oldLeft -= oldLeft > 0;
                newLeft -= newLeft > 0;
            }
            continue; // "\ No newline at end of file" counts on neither side
        }
        if (startsWith(line, 0, kNewFileHeader)) {
            file = newFilePath(line);
        } else if (startsWith(line, 0, "@@ -")) {
            std::size_t at = 3;
            std::size_t oldStart = 0;
            std::size_t newStart = 0;
            oldLeft = readSide(line, at, oldStart);
            if (at < line.size() && line[at] == ' ')
                ++at;
            newLeft = at < line.size() && line[at] == '+' ? readSide(line, at, newStart) : 0;
            if (!file.empty() && newLeft > 0)
                changes.linesOf(file).add(newStart, newStart + newLeft - 1);
        } else if (startsWith(line, 0, "diff ")) {
            file.clear();
        }
    }
}

} // namespace scan::tree
