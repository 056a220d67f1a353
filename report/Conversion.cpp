#include "report/Conversion.h"

#include "report/Outcome.h"
#include "report/RunReader.h"
#include "report/ToolInfo.h"

#include <cerrno>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

namespace report {
namespace {
constexpr std::size_t kReadBytes = 1 << 20;

void tell(std::FILE* errors, const std::string& text) {
    std::fprintf(errors, "quarvel-report: %s\n", text.c_str());
}

std::string systemError() {
    return std::strerror(errno);
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
} // namespace

int convert(const Options& options, std::FILE* standardInput, std::FILE* standardOutput,
            std::FILE* errors) {
    OwnedFile ownedInput;
    std::FILE* input = standardInput;
    if (!options.input.empty()) {
        ownedInput.reset(std::fopen(options.input.c_str(), "rb"));
        if (!ownedInput) {
            tell(errors, "cannot read " + options.input + ": " + systemError());
            return kExitRunNotNormal;
        }
        input = ownedInput.get();
    }
    OwnedFile ownedOutput;
    std::FILE* output = standardOutput;
    if (!options.output.empty()) {
        ownedOutput.reset(std::fopen(options.output.c_str(), "wb"));
        if (!ownedOutput) {
            tell(errors, "cannot write " + options.output + ": " + systemError());
            return kExitRunNotNormal;
        }
        output = ownedOutput.get();
    }

    ByteSink sink([output](std::string_view bytes) {
        return std::fwrite(bytes.data(), 1, bytes.size(), output) == bytes.size();
    });
    const std::unique_ptr<RunListener> report = makeWriter(options.format, sink, thisTool());
    ReportAndTell listener(*report, errors);
    RunReader reader(listener);
    std::vector<char> buffer(kReadBytes);
    while (const std::size_t count = std::fread(buffer.data(), 1, buffer.size(), input))
        reader.feed(std::string_view(buffer.data(), count));
    const bool readFailed = std::ferror(input) != 0;
    const std::string readError = readFailed ? systemError() : "";
    const RunOutcome outcome = reader.finish();

    bool written = sink.flush() && std::fflush(output) == 0;
    if (ownedOutput)
        written = std::fclose(ownedOutput.release()) == 0 && written;
    const std::string outputName = options.output.empty() ? "standard output" : options.output;
    const std::string inputName = options.input.empty() ? "standard input" : options.input;

    int status = kExitNormalRun;
    if (readFailed) {
        tell(errors, "cannot read " + inputName + ": " + readError);
        status = kExitRunNotNormal;
    }
    if (!written) {
        tell(errors, "cannot write the report to " + outputName);
        status = kExitRunNotNormal;
    }
    if (outcome.end != RunEnd::kFinished) {
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
