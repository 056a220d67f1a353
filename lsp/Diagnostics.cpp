#include "lsp/Diagnostics.h"

#include "lsp/TextPositions.h"
#include "lsp/WellFormedText.h"

#include <vector>

namespace lsp {
namespace {

using Json = nlohmann::json;

bool isBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\f' || c == '\v';
}

Json positionJson(Position position) {
    return {{"line", position.line}, {"character", position.character}};
}

/// Where quarvel's lines (counted by line feeds alone) start and end, and their ranges as
/// the protocol counts positions. A line that quarvel counts may hold carriage returns that
/// the protocol counts as line breaks: its range then spans them.
class LineRanges {
  public:
    explicit LineRanges(std::string_view text) : text_(text), index_(text) {
        starts_.push_back(0);
        for (std::size_t at = text.find('\n'); at != std::string_view::npos;
             at = text.find('\n', at + 1))
            starts_.push_back(at + 1);
    }

    /// From the line's first non-blank byte to the end of its last; a blank line gives an
    /// empty range at its start, and a line past the text's end the text's end.
    Json rangeOf(std::int32_t line) const {
        if (line < 1)
            line = 1;
        const auto number = static_cast<std::size_t>(line);
        if (number > starts_.size()) {
            const Json end = positionJson(index_.positionOf(text_.size()));
            return {{"start", end}, {"end", end}};
        }
        const std::size_t start = starts_[number - 1];
        const std::size_t end =
            number < starts_.size() ? starts_[number] - 1 : text_.size(); // before the '\n'
        std::size_t first = start;
        while (first < end && isBlank(text_[first]))
            ++first;
        if (first == end)
            first = start;
        std::size_t last = end;
        while (last > first && isBlank(text_[last - 1]))
            --last;
        return {{"start", positionJson(index_.positionOf(first))},
                {"end", positionJson(index_.positionOf(last))}};
    }

  private:
    std::string_view text_;
    LineIndex index_;
    std::vector<std::size_t> starts_;
};

} // namespace

namespace {
constexpr int kHintSeverity = 4; // the protocol's DiagnosticSeverity.Hint
} // namespace

Json diagnosticsFor(const AnalysisOutcome& outcome, std::string_view text,
                    const std::function<Level(std::int32_t)>& levelOf) {
    Json diagnostics = Json::array();
    if (outcome.findings.empty() && !outcome.directiveError)
        return diagnostics;
    const LineRanges lines(text);
    if (outcome.directiveError) {
        diagnostics.push_back({{"range", lines.rangeOf(outcome.directiveError->line)},
                               {"severity", severityOf(Level::kError)},
                               {"source", "quarvel"},
                               {"message", wellFormedText(outcome.directiveError->message)}});
    }
    for (const Finding& finding : outcome.findings) {
        diagnostics.push_back(
            {{"range", lines.rangeOf(finding.line)},
             {"severity", finding.known ? kHintSeverity : severityOf(levelOf(finding.rule))},
             {"code", finding.rule},
             {"source", "quarvel"},
             {"message", wellFormedText(finding.message)}});
    }
    return diagnostics;
}

} // namespace lsp
