#include "report/SarifWriter.h"

#include "products/quarvel/rule/RuleCatalogue.h"
#include "report/FileUri.h"
#include "report/JsonText.h"
#include "report/Outcome.h"

#include <algorithm>

namespace report {
namespace {
using products::quarvel::rule::ruleCatalogue;
using products::quarvel::rule::RuleInfo;

constexpr std::string_view kSchema = "https://json.schemastore.org/sarif-2.1.0.json";
/// Relative file names are relative to the folder the run started in, which a consumer knows
/// as the root of the sources it checked out.
constexpr std::string_view kSourceRoot = "%SRCROOT%";
/// Internal-check reports kept for the invocation; a run that fails many is broken anyway.
constexpr std::size_t kMaxAssertions = 100;
/// Files that could not be analysed, each a notification; more are counted in one.
constexpr std::size_t kMaxFileProblems = 1000;
/// The key of the defect's identity among a result's partial fingerprints.
constexpr std::string_view kFingerprintKey = "quarvelDefect/v1";

std::string withoutBackquotes(std::string_view text) {
    std::string plain(text);
    plain.erase(std::remove(plain.begin(), plain.end(), '`'), plain.end());
    return plain;
}

std::size_t ruleIndex(const RuleInfo& rule) {
    return static_cast<std::size_t>(&rule - ruleCatalogue().data());
}
} // namespace

SarifWriter::SarifWriter(BlockWriter& out, const ToolInfo& tool, const RunSettings& settings)
    : out_(out), tool_(tool), settings_(settings) {}

void SarifWriter::onStart(const RunStart& start) {
    pathStyle_ = start.pathStyle;
    out_.write("{\n  \"$schema\": ");
    writeJsonString(out_, kSchema);
    out_.write(",\n  \"version\": \"2.1.0\",\n  \"runs\": [\n    {\n      \"tool\": {\n"
               "        \"driver\": {\n          \"name\": \"Quarvel\",\n"
               "          \"version\": ");
    writeJsonString(out_, start.version.empty() ? tool_.version : std::string_view(start.version));
    out_.write(",\n          \"informationUri\": ");
    writeJsonString(out_, tool_.informationUri);
    out_.write(",\n          \"rules\": [\n");
    writeRules();
    out_.write("          ]\n        }\n      },\n      \"results\": [");
}

void SarifWriter::writeRules() {
    bool first = true;
    for (const RuleInfo& rule : ruleCatalogue()) {
        out_.write(first ? "            {\n" : ",\n            {\n");
        first = false;
        out_.write("              \"id\": \"");
        out_.writeNumber(rule.number);
        out_.write("\",\n              \"name\": ");
        writeJsonString(out_, rule.name);
        out_.write(",\n              \"shortDescription\": {\n                \"text\": ");
        writeJsonString(out_, rule.message);
        out_.write("\n              },\n              \"help\": {\n                \"text\": ");
        writeJsonString(out_, withoutBackquotes(rule.help));
        out_.write(",\n                \"markdown\": ");
        writeJsonString(out_, rule.help);
        out_.write("\n              },\n              \"defaultConfiguration\": {\n"
                   "                \"level\": \"");
        const std::size_t index = ruleIndex(rule);
        out_.write(index < settings_.ruleLevels.size()
                       ? products::quarvel::rule::levelName(settings_.ruleLevels[index])
                       : "warning");
        out_.write("\"\n              }\n            }");
    }
    out_.write("\n");
}

void SarifWriter::onDefect(const DefectLine& defect) {
    out_.write(anyResult_ ? ",\n        {\"ruleId\": \"" : "\n        {\"ruleId\": \"");
    anyResult_ = true;
    out_.writeNumber(defect.rule->number);
    out_.write("\", \"ruleIndex\": ");
    out_.writeNumber(static_cast<std::int64_t>(ruleIndex(*defect.rule)));
    if (!settings_.ruleLevels.empty()) {
        out_.write(", \"level\": \"");
        out_.write(products::quarvel::rule::levelName(defect.level));
        out_.put('"');
    }
    out_.write(", \"message\": {\"text\": ");
    writeJsonString(out_, defect.message);
    out_.write("}, \"locations\": [{\"physicalLocation\": {\"artifactLocation\": ");
    out_.write(artifactLocation(defect.fileName));
    out_.write(", \"region\": {\"startLine\": ");
    out_.writeNumber(defect.line);
    out_.write("}}}]");
    if (!defect.fingerprint.empty()) {
        out_.write(", \"partialFingerprints\": {");
        writeJsonString(out_, kFingerprintKey);
        out_.write(": ");
        writeJsonString(out_, defect.fingerprint);
        out_.put('}');
    }
    if (!defect.baselineState.empty()) {
        out_.write(", \"baselineState\": ");
        writeJsonString(out_, defect.baselineState);
    }
    out_.put('}');
}

const std::string& SarifWriter::artifactLocation(std::string_view fileName) {
    if (location_.empty() || fileName != locationFileName_) {
        locationFileName_.assign(fileName);
        const FileUri uri = fileUri(fileName, pathStyle_);
        location_ = "{\"uri\": ";
        appendJsonString(location_, uri.text);
        if (uri.relative) {
            location_.append(", \"uriBaseId\": ");
            appendJsonString(location_, kSourceRoot);
        }
        location_.push_back('}');
    }
    return location_;
}

void SarifWriter::onAssertion(std::string_view report) {
    if (assertions_.size() < kMaxAssertions)
        assertions_.emplace_back(report);
}

void SarifWriter::onFileProblem(std::string_view fileName, std::string_view reason) {
    if (fileProblems_.size() < kMaxFileProblems)
        fileProblems_.emplace_back(artifactLocation(fileName), reason);
    else
        ++fileProblemsLeftOut_;
}

void SarifWriter::writeNotification(std::string_view level, std::string_view text,
                                    std::string_view location) {
    out_.write(anyNotification_ ? ",\n            {\"level\": " : "\n            {\"level\": ");
    anyNotification_ = true;
    writeJsonString(out_, level);
    out_.write(", \"message\": {\"text\": ");
    writeJsonString(out_, text);
    out_.put('}');
    if (!location.empty()) {
        out_.write(", \"locations\": [{\"physicalLocation\": {\"artifactLocation\": ");
        out_.write(location);
        out_.write("}}]");
    }
    out_.put('}');
}

void SarifWriter::onEnd(const RunOutcome& outcome) {
    out_.write(anyResult_ ? "\n      ],\n" : "],\n");
    out_.write("      \"invocations\": [\n        {\n          \"executionSuccessful\": ");
    out_.write(outcome.end == RunEnd::kFinished ? "true" : "false");
    if (!assertions_.empty() || !fileProblems_.empty() || outcome.leftOut > 0 ||
        outcome.end != RunEnd::kFinished) {
        out_.write(",\n          \"toolExecutionNotifications\": [");
        for (const std::string& report : assertions_)
            writeNotification("warning", "A failed internal check was reported, and the run "
                                         "went on:\n" +
                                             report);
        for (const auto& [location, reason] : fileProblems_)
            writeNotification("error", "The file could not be analysed: " + reason, location);
        if (fileProblemsLeftOut_ > 0)
            writeNotification("error", std::to_string(fileProblemsLeftOut_) +
                                           " more files could not be analysed.");
        if (outcome.leftOut > 0)
            writeNotification("warning", std::to_string(outcome.leftOut) +
                                             " defects are not in this report, which holds the "
                                             "most severe first up to its limit.");
        if (outcome.end != RunEnd::kFinished)
            writeNotification("error", outcomeMessage(outcome));
        out_.write("\n          ]");
    }
    out_.write("\n        }\n      ]");
    if (outcome.leftOut > 0) {
        out_.write(",\n      \"properties\": {\"resultsLeftOut\": ");
        out_.writeNumber(static_cast<std::int64_t>(outcome.leftOut));
        out_.put('}');
    }
    out_.write("\n    }\n  ]\n}\n");
}

} // namespace report
