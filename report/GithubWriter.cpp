#include "report/GithubWriter.h"

#include "report/Outcome.h"

namespace report {
namespace {
void writeEscaped(BlockWriter& out, std::string_view text, bool property) {
    std::size_t plainFrom = 0;
    for (std::size_t at = 0; at < text.size(); ++at) {
        const char* escape = nullptr;
        switch (text[at]) {
        case '%':
            escape = "%25";
            break;
        case '\r':
            escape = "%0D";
            break;
        case '\n':
            escape = "%0A";
            break;
        case ':':
            escape = property ? "%3A" : nullptr;
            break;
        case ',':
            escape = property ? "%2C" : nullptr;
            break;
        default:
            break;
        }
        if (escape != nullptr) {
            out.write(text.substr(plainFrom, at - plainFrom));
            out.write(escape);
            plainFrom = at + 1;
        }
    }
    out.write(text.substr(plainFrom));
}
} // namespace

void writeGithubData(BlockWriter& out, std::string_view text) {
    writeEscaped(out, text, false);
}

void writeGithubProperty(BlockWriter& out, std::string_view text) {
    writeEscaped(out, text, true);
}

GithubWriter::GithubWriter(BlockWriter& out) : out_(out) {}

namespace {
/// The workflow command that shows a defect of this level.
std::string_view commandFor(products::quarvel::rule::Level level) {
    switch (level) {
    case products::quarvel::rule::Level::kError:
        return "::error";
    case products::quarvel::rule::Level::kWarning:
        return "::warning";
    case products::quarvel::rule::Level::kNote:
        return "::notice";
    }
    return "::warning";
}
} // namespace

void GithubWriter::onDefect(const DefectLine& defect) {
    out_.write(commandFor(defect.level));
    out_.write(" file=");
    writeGithubProperty(out_, defect.fileName);
    out_.write(",line=");
    out_.writeNumber(defect.line);
    out_.write(",title=");
    out_.writeNumber(defect.rule->number);
    out_.put(' ');
    writeGithubProperty(out_, defect.rule->name);
    out_.write("::");
    writeGithubData(out_, defect.message);
    out_.put('\n');
}

void GithubWriter::onAssertion(std::string_view report) {
    out_.write("::warning title=Quarvel internal check failed::");
    writeGithubData(out_, report);
    out_.put('\n');
}

void GithubWriter::onFileProblem(std::string_view fileName, std::string_view reason) {
    out_.write("::error file=");
    writeGithubProperty(out_, fileName);
    out_.write(",title=Quarvel could not analyse the file::");
    writeGithubData(out_, reason);
    out_.put('\n');
}

void GithubWriter::onEnd(const RunOutcome& outcome) {
    if (outcome.end == RunEnd::kFinished)
        return;
    out_.write("::error title=");
    writeGithubProperty(out_, outcomeTitle(outcome));
    out_.write("::");
    writeGithubData(out_, outcomeMessage(outcome));
    out_.put('\n');
}

} // namespace report
