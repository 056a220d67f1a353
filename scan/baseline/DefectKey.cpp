#include "scan/baseline/DefectKey.h"

#include "report/Fingerprint.h"

#include <algorithm>
#include <map>
#include <numeric>
#include <tuple>

namespace scan::baseline {
namespace {

bool isBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\v' || c == '\f';
}

constexpr std::string_view kFieldEnd("\0", 1);

/// How many lines above a defect make its context: enough that copies of one statement in
/// different methods differ, few enough that edits nearby seldom change it.
constexpr int kContextLines = 3;

/// The text of each line of a file, found once.
class Lines {
  public:
    explicit Lines(std::string_view text) : text_(text) {
        starts_.push_back(0);
        for (std::size_t at = text.find('\n'); at != std::string_view::npos;
             at = text.find('\n', at + 1))
            starts_.push_back(at + 1);
    }

    /// Line `number` from 1, without its line feed; empty past either end.
    std::string_view line(std::int64_t number) const {
        if (number < 1 || static_cast<std::size_t>(number) > starts_.size())
            return {};
        const std::size_t start = starts_[static_cast<std::size_t>(number) - 1];
        const std::size_t end = static_cast<std::size_t>(number) < starts_.size()
                                    ? starts_[static_cast<std::size_t>(number)] - 1
                                    : text_.size();
        return text_.substr(start, end - start);
    }

    /// The nearest lines above `number` that are not blank, collapsed, nearest first and
    /// joined by line feeds: as many as kContextLines, fewer near the top of the file.
    std::string contextAbove(std::int64_t number) const {
        const auto lineCount = static_cast<std::int64_t>(starts_.size());
        std::string context;
        int found = 0;
        for (std::int64_t above = std::min(number - 1, lineCount);
             above >= 1 && found < kContextLines; --above) {
            const std::string text = collapseBlanks(line(above));
            if (text.empty())
                continue;
            if (found++ > 0)
                context += '\n';
            context += text;
        }
        return context;
    }

  private:
    std::string_view text_;
    std::vector<std::size_t> starts_;
};

} // namespace

std::string collapseBlanks(std::string_view line) {
    std::string collapsed;
    collapsed.reserve(line.size());
    bool pendingBlank = false;
    for (const char c : line) {
        if (isBlank(c)) {
            pendingBlank = !collapsed.empty();
        } else {
            if (pendingBlank)
                collapsed += ' ';
            pendingBlank = false;
            collapsed += c;
        }
    }
    return collapsed;
}

bool DefectKey::operator<(const DefectKey& other) const {
    return std::tie(path, rule, text) < std::tie(other.path, other.rule, other.text);
}

DefectKey defectKey(std::string path, std::int32_t rule, std::string_view rawLine) {
    return DefectKey{std::move(path), rule, collapseBlanks(rawLine)};
}

std::string fingerprint(const DefectKey& key, std::size_t occurrence) {
    // A path never holds a zero byte and the numbers are decimal, so the fields cannot run
    // into each other; the text, which may, comes last.
    return report::Fingerprint()
        .add(key.path)
        .add(kFieldEnd)
        .add(std::to_string(key.rule))
        .add(kFieldEnd)
        .add(std::to_string(occurrence))
        .add(kFieldEnd)
        .add(key.text)
        .hex();
}

std::uint32_t lineHash(std::string_view collapsedText) {
    return static_cast<std::uint32_t>(
        std::stoul(report::Fingerprint().add(collapsedText).hex().substr(0, 8), nullptr, 16));
}

std::uint16_t contextHash(std::string_view collapsedText) {
    // Another 16 bits than the line hash's, so that a line and its context line can differ.
    return static_cast<std::uint16_t>(
        std::stoul(report::Fingerprint().add(collapsedText).hex().substr(8, 4), nullptr, 16));
}

std::vector<KeyedDefect> keyDefects(const std::string& path, std::string_view fileText,
                                    const std::vector<FileDefect>& defects) {
    const Lines lines(fileText);
    std::vector<KeyedDefect> keyed;
    keyed.reserve(defects.size());
    for (const FileDefect& defect : defects) {
        keyed.push_back(KeyedDefect{defectKey(path, defect.rule, lines.line(defect.line)), 0,
                                    contextHash(lines.contextAbove(defect.line))});
    }
    // Occurrences in line order: visit the defects sorted by line, keeping the given order on
    // a line, and count each key.
    std::vector<std::size_t> byLine(defects.size());
    std::iota(byLine.begin(), byLine.end(), 0);
    std::stable_sort(byLine.begin(), byLine.end(), [&](std::size_t a, std::size_t b) {
        return defects[a].line < defects[b].line;
    });
    std::map<std::pair<std::int32_t, std::string_view>, std::size_t> seen;
    for (const std::size_t index : byLine) {
        const DefectKey& key = keyed[index].key;
        keyed[index].occurrence = seen[{key.rule, key.text}]++;
    }
    return keyed;
}

} // namespace scan::baseline
