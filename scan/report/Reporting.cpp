#include "scan/report/Reporting.h"

#include "io/file/ReplacingFile.h"
#include "report/Formats.h"
#include "report/TerminalText.h"
#include "report/ToolInfo.h"
#include "scan/report/TextWriter.h"
#include "scan/run/OutcomeCodec.h"

#include <algorithm>
#include <fstream>

namespace scan::report {
namespace {

using cli::Format;
using ::report::BlockWriter;
using ::report::DefectLine;
using ::report::ReportOutput;
using ::report::RunListener;

constexpr std::string_view kBaselineStateNew = "new";

/// How the walk writes the names of files: with the system's own separators.
#ifdef _WIN32
constexpr ::report::PathStyle kPathStyle = ::report::PathStyle::kWindows;
#else
constexpr ::report::PathStyle kPathStyle = ::report::PathStyle::kPosix;
#endif

} // namespace

/// One report: where it goes, its buffer, its writer, and for the reports that take a
/// limited number, the defects chosen so far.
struct Reporting::Output {
    cli::Report report;
    ReportOutput output;
    BlockWriter sink;
    std::unique_ptr<RunListener> writer; ///< none for the shard form
    std::optional<Selection> selection;  ///< for SARIF and GitHub annotations

    Output(const cli::Report& what, std::FILE* standardOutput)
        : report(what),
          output(what.output.empty() ? ReportOutput(standardOutput) : ReportOutput(what.output)),
          sink([this](std::string_view bytes) { return output.write(bytes); }) {}
};

Reporting::Reporting(ReportingSettings settings, ScanTotals& totals, std::FILE* standardOutput,
                     std::FILE* errors)
    : settings_(std::move(settings)), totals_(totals), errors_(errors) {
    ::report::RunSettings runSettings;
    runSettings.ruleLevels = settings_.ruleLevels;
    for (const cli::Report& report : settings_.reports) {
        auto output = std::make_unique<Output>(report, standardOutput);
        if (output->output.failed()) {
            tell("cannot write " + output->output.name() + ": " + output->output.failure());
            ready_ = false;
            continue;
        }
        switch (report.format) {
        case Format::kText:
            output->writer = std::make_unique<TextWriter>(output->sink, totals_,
                                                          settings_.color && report.output.empty());
            break;
        case Format::kSummary:
            output->writer = std::make_unique<SummaryWriter>(output->sink, totals_);
            break;
        case Format::kShard:
            writeShardHeader(*output);
            break;
        case Format::kSarif:
            output->selection.emplace(settings_.maxResults);
            output->writer = ::report::makeWriter(::report::Format::kSarif, output->sink,
                                                  ::report::thisTool(), runSettings);
            break;
        case Format::kGithub:
            output->selection.emplace(settings_.maxAnnotations);
            output->writer = ::report::makeWriter(::report::Format::kGithub, output->sink,
                                                  ::report::thisTool(), runSettings);
            break;
        case Format::kCheckstyle:
            output->writer = ::report::makeWriter(::report::Format::kCheckstyle, output->sink,
                                                  ::report::thisTool(), runSettings);
            break;
        case Format::kCodeClimate:
            output->writer = ::report::makeWriter(::report::Format::kCodeClimate, output->sink,
                                                  ::report::thisTool(), runSettings);
            break;
        case Format::kGnu:
            output->writer = ::report::makeWriter(::report::Format::kGnu, output->sink,
                                                  ::report::thisTool(), runSettings);
            break;
        }
        if (output->writer)
            output->writer->onStart({std::string(::report::thisTool().version), kPathStyle});
        outputs_.push_back(std::move(output));
    }
}

Reporting::~Reporting() = default;

void Reporting::tell(const std::string& text) {
    const std::string line = "quarvel-scan: " + ::report::withVisibleControlBytes(text) + "\n";
    std::fwrite(line.data(), 1, line.size(), errors_);
}

void Reporting::offer(std::size_t file, const run::Finding& finding) {
    for (const auto& output : outputs_) {
        if (!output->selection)
            continue;
        SelectedDefect selected;
        selected.order = reportedOrder_;
        selected.file = file;
        selected.line = finding.line;
        selected.rule = finding.rule;
        selected.message = finding.message;
        selected.level = finding.level;
        selected.fingerprint = finding.fingerprint;
        output->selection->offer(std::move(selected));
    }
}

void Reporting::add(run::FileOutcome outcome) {
    ++filesDone_;
    if (settings_.progress)
        settings_.progress(filesDone_);
    for (const auto& output : outputs_) {
        if (output->report.format == Format::kShard)
            writeShard(*output, outcome);
    }
    if (outcome.problem) {
        ++totals_.filesFailed;
        tell(outcome.name + ": could not be analysed: " + *outcome.problem);
        for (const auto& output : outputs_) {
            if (output->writer)
                output->writer->onFileProblem(outcome.name, *outcome.problem);
        }
        return;
    }
    ++totals_.filesAnalysed;
    const bool anySelection = std::any_of(outputs_.begin(), outputs_.end(),
                                          [](const auto& output) { return !!output->selection; });
    std::size_t fileIndex = fileNames_.size();
    bool nameKept = false;
    for (const run::Finding& finding : outcome.findings) {
        ++totals_.defectsFound;
        if (finding.inBaseline)
            ++totals_.inBaseline;
        else if (!finding.onNewLine)
            ++totals_.onOldLines;
        if (settings_.writeBaseline)
            baselineEntries_.push_back({outcome.relativePath, finding.rule->number,
                                        finding.lineHash, finding.contextHash});
        if (!finding.isNew())
            continue;
        totals_.countReported(*finding.rule, finding.level);
        DefectLine line{outcome.name, finding.line, finding.rule, finding.message};
        line.level = finding.level;
        line.fingerprint = finding.fingerprint;
        if (totals_.comparedWithBaseline)
            line.baselineState = kBaselineStateNew;
        for (const auto& output : outputs_) {
            if (output->writer && !output->selection)
                output->writer->onDefect(line);
        }
        if (anySelection) {
            if (!nameKept) {
                fileNames_.push_back(outcome.name);
                nameKept = true;
            }
            offer(fileIndex, finding);
        }
        ++reportedOrder_;
        for (const auto& output : outputs_)
            output->sink.drainWhenFull();
    }
}

void Reporting::writeShardHeader(Output& output) {
    output.sink.write("quarvel-shard 1 ");
    output.sink.write(settings_.shard.empty() ? "1/1" : settings_.shard);
    output.sink.put('\n');
}

void Reporting::writeShard(Output& output, const run::FileOutcome& outcome) {
    std::string text = "N";
    run::appendEscaped(text, outcome.name);
    text += '\t';
    run::appendEscaped(text, outcome.relativePath);
    text += '\n';
    if (outcome.problem)
        run::appendProblem(text, *outcome.problem);
    for (const run::Finding& finding : outcome.findings)
        run::appendFinding(text, finding);
    run::appendEnd(text);
    output.sink.write(text);
}

bool Reporting::writeBaselineFile() {
    io::file::ReplacingFile file(*settings_.writeBaseline);
    const std::string text = baseline::formatBaseline(std::move(baselineEntries_));
    if (!file.isOpen() || !file.write(text) || !file.commit()) {
        tell("cannot write the baseline " + *settings_.writeBaseline + ": " + file.failure());
        return false;
    }
    return true;
}

void Reporting::writeStepSummary() {
    std::string markdown;
    BlockWriter sink([&markdown](std::string_view bytes) {
        markdown.append(bytes);
        return true;
    });
    writeSummaryMarkdown(sink, totals_);
    sink.flush();
    // The CI system gathers what every step appends to the file.
    std::ofstream file(settings_.stepSummary, std::ios::binary | std::ios::app);
    if (!(file << markdown) || !file.flush())
        tell("cannot write the job summary " + settings_.stepSummary);
}

int Reporting::finish() {
    if (settings_.progress)
        settings_.progress(0); // clears the progress line
    ::report::RunOutcome outcome{::report::RunEnd::kFinished, "", totals_.defectsReported};
    if (totals_.filesFailed > 0) {
        outcome.end = ::report::RunEnd::kPartial;
        outcome.detail = std::to_string(totals_.filesFailed) +
                         (totals_.filesFailed == 1 ? " file" : " files") +
                         " could not be analysed; the others were.";
    }
    for (const auto& output : outputs_) {
        if (output->report.format == Format::kShard) {
            output->sink.write("T");
            for (const auto& [key, value] :
                 {std::pair<const char*, std::uint64_t>{"ignored", totals_.filesIgnored},
                  {"excluded", totals_.filesExcluded},
                  {"baselineGone", totals_.baselineGone},
                  {"baseline", totals_.comparedWithBaseline ? 1u : 0u},
                  {"revision", totals_.comparedWithRevision ? 1u : 0u}}) {
                output->sink.write(" ");
                output->sink.write(key);
                output->sink.write("=");
                output->sink.write(std::to_string(value));
            }
            output->sink.put('\n');
            continue;
        }
        ::report::RunOutcome thisOutcome = outcome;
        if (output->selection) {
            for (const SelectedDefect& chosen : output->selection->take()) {
                DefectLine line{fileNames_[chosen.file], chosen.line, chosen.rule, chosen.message};
                line.level = chosen.level;
                line.fingerprint = chosen.fingerprint;
                if (totals_.comparedWithBaseline)
                    line.baselineState = kBaselineStateNew;
                output->writer->onDefect(line);
                output->sink.drainWhenFull();
            }
            thisOutcome.leftOut = output->selection->leftOut();
            if (thisOutcome.leftOut > 0) {
                const bool sarif = output->report.format == Format::kSarif;
                tell(std::string(sarif ? "the SARIF report holds" : "the GitHub annotations hold") +
                     " the " + std::to_string(totals_.defectsReported - thisOutcome.leftOut) +
                     " most severe of " + std::to_string(totals_.defectsReported) + " defects; " +
                     std::to_string(thisOutcome.leftOut) + " left out (" +
                     (sarif ? "--max-results" : "--max-annotations") + ")");
                if (!sarif)
                    output->sink.write(
                        "::notice title=Quarvel::" + std::to_string(thisOutcome.leftOut) +
                        " more defects are not shown as annotations; the job "
                        "summary and the other reports list them all.\n");
            }
        }
        output->writer->onEnd(thisOutcome);
    }
    for (const auto& output : outputs_) {
        output->sink.flush();
        if (!output->output.finish(true)) {
            if (output->output.readerWentAway())
                continue;
            tell("cannot write the report to " + output->output.name() + ": " +
                 output->output.failure());
            outputFailed_ = true;
        }
    }
    if (!settings_.stepSummary.empty())
        writeStepSummary();
    if (settings_.writeBaseline && !writeBaselineFile())
        outputFailed_ = true;

    if (!ready_ || outputFailed_ || totals_.filesFailed > 0)
        return 1;
    if (settings_.writeBaseline || settings_.failOn == cli::FailOn::kNone)
        return 0;
    const std::uint64_t counted =
        settings_.failOn == cli::FailOn::kAny ? totals_.defectsFound : totals_.defectsReported;
    return counted > settings_.maxDefects ? 3 : 0;
}

} // namespace scan::report
