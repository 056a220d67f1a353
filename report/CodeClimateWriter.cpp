#include "report/CodeClimateWriter.h"

#include "report/JsonText.h"

namespace report {

CodeClimateWriter::CodeClimateWriter(BlockWriter& out) : out_(out) {}

void CodeClimateWriter::onStart(const RunStart&) {
    out_.put('[');
}

namespace {
constexpr std::string_view kFieldEnd("", 1); // a zero byte between the hashed fields

/// Code Quality's severities: info, minor, major, critical, blocker.
std::string_view codeClimateSeverity(products::quarvel::rule::Level level) {
    switch (level) {
    case products::quarvel::rule::Level::kError:
        return "major";
    case products::quarvel::rule::Level::kWarning:
        return "minor";
    case products::quarvel::rule::Level::kNote:
        return "info";
    }
    return "minor";
}
} // namespace

void CodeClimateWriter::startFile(std::string_view fileName) {
    inFile_ = true;
    fileName_.assign(fileName);
    seenInFile_.clear();
    pathJson_.clear();
    appendJsonString(pathJson_, fileName);
    fileFingerprint_ = Fingerprint().add(fileName).add(kFieldEnd);
}

std::uint32_t CodeClimateWriter::occurrence(const DefectLine& defect) {
    key_ = std::to_string(defect.rule->number);
    key_.push_back('\0');
    key_.append(defect.message);
    return seenInFile_[key_]++;
}

void CodeClimateWriter::onDefect(const DefectLine& defect) {
    if (!inFile_ || defect.fileName != fileName_)
        startFile(defect.fileName);
    const std::string number = std::to_string(defect.rule->number);
    std::string fingerprint(defect.fingerprint);
    if (fingerprint.empty()) {
        const std::string count = std::to_string(occurrence(defect));
        fingerprint = Fingerprint(fileFingerprint_)
                          .add(number)
                          .add(kFieldEnd)
                          .add(defect.message)
                          .add(kFieldEnd)
                          .add(count)
                          .hex();
    }
    out_.write(anyIssue_ ? ",\n" : "\n");
    anyIssue_ = true;
    out_.write("{\"description\": ");
    writeJsonString(out_, defect.message);
    out_.write(", \"check_name\": \"");
    out_.write(number);
    out_.put(' ');
    out_.write(defect.rule->name);
    out_.write("\", \"fingerprint\": \"");
    out_.write(fingerprint);
    out_.write("\", \"severity\": \"");
    out_.write(codeClimateSeverity(defect.level));
    out_.write("\", \"location\": {\"path\": ");
    out_.write(pathJson_);
    out_.write(", \"lines\": {\"begin\": ");
    out_.writeNumber(defect.line);
    out_.write("}}}");
}

void CodeClimateWriter::onEnd(const RunOutcome&) {
    out_.write(anyIssue_ ? "\n]\n" : "]\n");
}

} // namespace report
