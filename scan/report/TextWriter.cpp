#include "scan/report/TextWriter.h"

#include "report/TerminalText.h"

#include <string>

namespace scan::report {
namespace {

using products::quarvel::rule::findRule;
using products::quarvel::rule::Level;
using products::quarvel::rule::levelName;

constexpr const char* kBold = "\x1b[1m";
constexpr const char* kDim = "\x1b[2m";
constexpr const char* kReset = "\x1b[0m";

const char* colorOf(Level level) {
    switch (level) {
    case Level::kError:
        return "\x1b[1;31m";
    case Level::kWarning:
        return "\x1b[1;33m";
    case Level::kNote:
        return "\x1b[1;36m";
    }
    return "";
}

std::string plural(std::uint64_t count, const char* one, const char* many) {
    return std::to_string(count) + " " + (count == 1 ? one : many);
}

void writePadded(::report::BlockWriter& out, std::string_view text, std::size_t width) {
    out.write(text);
    for (std::size_t i = text.size(); i < width; ++i)
        out.put(' ');
}

/// "15224 files analysed, 2 failed, 31 ignored by git, 4 excluded"
std::string filesLine(const ScanTotals& totals) {
    std::string line = plural(totals.filesAnalysed, "file analysed", "files analysed");
    if (totals.filesFailed > 0)
        line += ", " + std::to_string(totals.filesFailed) + " could not be analysed";
    if (totals.filesIgnored > 0)
        line += ", " + std::to_string(totals.filesIgnored) + " ignored by git";
    if (totals.filesExcluded > 0)
        line += ", " + std::to_string(totals.filesExcluded) + " excluded";
    if (totals.filesOtherShards > 0)
        line += ", " + std::to_string(totals.filesOtherShards) + " left to other shards";
    return line;
}

/// "12 defects: 2 errors, 4 warnings, 6 notes (392265 more in the baseline, 3 fixed)"
std::string defectsLine(const ScanTotals& totals) {
    std::string line = plural(
        totals.defectsReported,
        totals.comparedWithBaseline || totals.comparedWithRevision ? "new defect" : "defect",
        totals.comparedWithBaseline || totals.comparedWithRevision ? "new defects" : "defects");
    line += ": " + plural(totals.byLevel[0], "error", "errors") + ", " +
            plural(totals.byLevel[1], "warning", "warnings") + ", " +
            plural(totals.byLevel[2], "note", "notes");
    std::string compared;
    if (totals.comparedWithBaseline)
        compared += std::to_string(totals.inBaseline) + " known from the baseline, " +
                    std::to_string(totals.baselineGone) + " of its defects gone";
    if (totals.comparedWithRevision) {
        if (!compared.empty())
            compared += ", ";
        compared += std::to_string(totals.onOldLines) + " on lines not new";
    }
    if (!compared.empty())
        line += " (" + compared + ")";
    return line;
}

} // namespace

TextWriter::TextWriter(::report::BlockWriter& out, const ScanTotals& totals, bool color)
    : out_(out), totals_(totals), color_(color) {}

void TextWriter::paint(const char* code) {
    if (color_)
        out_.write(code);
}

void TextWriter::onDefect(const ::report::DefectLine& defect) {
    paint(kBold);
    out_.write(::report::withVisibleControlBytes(defect.fileName));
    out_.put(':');
    out_.writeNumber(defect.line);
    out_.write(": ");
    paint(kReset);
    paint(colorOf(defect.level));
    out_.write(levelName(defect.level));
    paint(kReset);
    out_.write(": ");
    out_.write(defect.message);
    out_.put(' ');
    paint(kDim);
    out_.put('[');
    out_.writeNumber(defect.rule->number);
    out_.put(' ');
    out_.write(defect.rule->name);
    out_.put(']');
    paint(kReset);
    out_.put('\n');
}

void TextWriter::onFileProblem(std::string_view fileName, std::string_view reason) {
    paint(kBold);
    out_.write(::report::withVisibleControlBytes(fileName));
    out_.write(": ");
    paint(kReset);
    paint(colorOf(Level::kError));
    out_.write("error");
    paint(kReset);
    out_.write(": could not be analysed: ");
    out_.write(::report::withVisibleControlBytes(reason));
    out_.put('\n');
}

void TextWriter::onEnd(const ::report::RunOutcome&) {
    if (totals_.defectsReported > 0 || totals_.filesFailed > 0)
        out_.put('\n');
    writeSummaryTable(out_, totals_);
}

void writeSummaryTable(::report::BlockWriter& out, const ScanTotals& totals) {
    for (const auto& [number, count] : totals.byRule) {
        const auto* rule = findRule(number);
        out.write("  ");
        writePadded(out, std::to_string(number), 6);
        writePadded(out, rule ? rule->name : "", 28);
        writePadded(out, levelName(totals.ruleLevels.at(number)), 9);
        out.write(std::to_string(count));
        out.put('\n');
    }
    out.write(defectsLine(totals));
    out.put('\n');
    out.write(filesLine(totals));
    out.put('\n');
}

void writeSummaryMarkdown(::report::BlockWriter& out, const ScanTotals& totals) {
    out.write("### Quarvel\n\n");
    out.write(defectsLine(totals));
    out.write("\n\n");
    out.write(filesLine(totals));
    out.write("\n\n");
    if (totals.byRule.empty())
        return;
    out.write("| Rule | Name | Level | Defects |\n|---:|---|---|---:|\n");
    for (const auto& [number, count] : totals.byRule) {
        const auto* rule = findRule(number);
        out.write("| " + std::to_string(number) + " | " + std::string(rule ? rule->name : "") +
                  " | " + std::string(levelName(totals.ruleLevels.at(number))) + " | " +
                  std::to_string(count) + " |\n");
    }
    out.put('\n');
}

} // namespace scan::report
