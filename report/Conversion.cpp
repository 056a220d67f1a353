#include "report/Conversion.h"

#include "platform/FileSystem.h"
#include "platform/Platform.h"
#include "report/Outcome.h"
#include "report/ReportOutput.h"
#include "report/RunReader.h"
#include "report/TerminalText.h"
#include "report/ToolInfo.h"

#include <cerrno>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace report {
namespace {
constexpr std::size_t kReadBytes = 1 << 20;

/// Tells a person on standard error. Texts may quote the input, so control bytes are shown,
/// never sent to the terminal.
void tell(std::FILE* errors, const std::string& text) {
    const std::string line = "quarvel-report: " + withVisibleControlBytes(text) + "\n";
    std::fwrite(line.data(), 1, line.size(), errors);
}

/// Passes everything to the report, and tells a person about failed internal checks.
class ReportAndTell : public RunListener {
  public:
    ReportAndTell(RunListener& report, std::FILE* errors) : report_(report), errors_(errors) {}
    void onStart(const RunStart& start) override { report_.onStart(start); }
    void onDefect(const DefectLine& defect) override { report_.onDefect(defect); }
    void onAssertion(std::string_view text) override {
        tell(errors_,
             "the run reported a failed internal check and went on:\n" + std::string(text));
        report_.onAssertion(text);
    }
    void onEnd(const RunOutcome& outcome) override { report_.onEnd(outcome); }

  private:
    RunListener& report_;
    std::FILE* errors_;
};

struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};
using OwnedFile = std::unique_ptr<std::FILE, FileCloser>;

/// The file that the report would go to, when it is the input file itself; writing it would
/// destroy the input before it is read.
bool isInputFile(const std::optional<platform::FileIdentity>& input,
                 const std::optional<platform::FileIdentity>& output) {
    return input && output && input->kind == platform::FileIdentity::Kind::kRegular &&
           input->isSameFileAs(*output);
}
} // namespace

int convert(const Options& options, std::FILE* standardInput, std::FILE* standardOutput,
            std::FILE* errors) {
    const std::string inputName = options.input.empty() ? "standard input" : options.input;
    // Before any file is opened: when standard output is closed, a file opened below may get
    // its number.
    const std::optional<platform::FileIdentity> standardOutputFile =
        options.output.empty() ? platform::identifyOpenFile(standardOutput) : std::nullopt;

    OwnedFile ownedInput;
    std::FILE* input = standardInput;
    if (!options.input.empty()) {
        ownedInput.reset(std::fopen(options.input.c_str(), "rb"));
        if (!ownedInput) {
            tell(errors, "cannot read " + inputName + ": " + platform::runtimeErrorText(errno));
            return kExitRunNotNormal;
        }
        input = ownedInput.get();
    }
    const std::optional<platform::FileIdentity> inputFile = platform::identifyOpenFile(input);
    if (inputFile && inputFile->kind == platform::FileIdentity::Kind::kDirectory) {
        tell(errors, "cannot read " + inputName + ": " + platform::runtimeErrorText(EISDIR));
        return kExitRunNotNormal;
    }
    const std::optional<platform::FileIdentity> outputFile =
        options.output.empty() ? standardOutputFile : platform::identifyFile(options.output);
    const std::string outputName = options.output.empty() ? "standard output" : options.output;
    if (isInputFile(inputFile, outputFile)) {
        tell(errors, "cannot write the report to " + outputName +
                         ": it is the same file as the input, " + inputName);
        return kExitUsage;
    }

    ReportOutput output =
        options.output.empty() ? ReportOutput(standardOutput) : ReportOutput(options.output);
    if (output.failed()) {
        tell(errors, "cannot write " + outputName + ": " + output.failure());
        return kExitRunNotNormal;
    }
    BlockWriter sink([&output](std::string_view bytes) { return output.write(bytes); });
    const std::unique_ptr<RunListener> report = makeWriter(options.format, sink, thisTool());
    ReportAndTell listener(*report, errors);
    RunReader reader(listener);
    std::vector<char> buffer(kReadBytes);
    // Reading stops as soon as the rest of the input cannot change the outcome, or the report
    // is lost anyway.
    std::optional<std::string> readError;
    while (reader.wantsMore() && !output.failed()) {
        const std::size_t count = std::fread(buffer.data(), 1, buffer.size(), input);
        if (count == 0) {
            if (std::ferror(input))
                readError = platform::runtimeErrorText(errno);
            break;
        }
        reader.feed(std::string_view(buffer.data(), count));
    }
    const RunOutcome outcome = reader.finish();

    // A named file is replaced only by the report of a run, failed or cut off as it may be:
    // text that is no run, or an input that could not be read, leaves an older report.
    sink.flush();
    output.finish(!readError && outcome.end != RunEnd::kNotARun);
    if (output.readerWentAway())
        return platform::brokenPipeExitStatus(); // quietly, as a command-line tool ends on SIGPIPE

    int status = kExitNormalRun;
    if (readError) {
        tell(errors, "cannot read " + inputName + ": " + *readError);
        status = kExitRunNotNormal;
    }
    if (output.failed()) {
        tell(errors, "cannot write the report to " + output.name() + ": " + output.failure());
        status = kExitRunNotNormal;
    }
    if (status == kExitNormalRun && outcome.end != RunEnd::kFinished) {
        tell(errors, outcomeMessage(outcome));
        status = kExitRunNotNormal;
    }
    if (status == kExitNormalRun && options.failOnDefects && outcome.defects > 0) {
        tell(errors, std::to_string(outcome.defects) + " defects found");
        status = kExitDefectsFound;
    }
    return status;
}

} // namespace report
