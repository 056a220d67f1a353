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

std::string withoutBackquotes(std::string_view text) {
    std::string plain(text);
    plain.erase(std::remove(plain.begin(), plain.end(), '`'), plain.end());
    return plain;
}

std::size_t ruleIndex(const RuleInfo& rule) {
    return static_cast<std::size_t>(&rule - ruleCatalogue().data());
}
} // namespace

SarifWriter::SarifWriter(ByteSink& out, const ToolInfo& tool) : out_(out), tool_(tool) {}

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
                   "                \"level\": \"warning\"\n              }\n            }");
    }
    out_.write("\n");
}

void SarifWriter::onDefect(const DefectLine& defect) {
    out_.write(anyResult_ ? ",\n        {\"ruleId\": \"" : "\n        {\"ruleId\": \"");
    anyResult_ = true;
    out_.writeNumber(defect.rule->number);
    out_.write("\", \"ruleIndex\": ");
    out_.writeNumber(static_cast<std::int64_t>(ruleIndex(*defect.rule)));
    out_.write(", \"message\": {\"text\": ");
    writeJsonString(out_, defect.message);
    out_.write("}, \"locations\": [{\"physicalLocation\": {\"artifactLocation\": ");
    out_.write(artifactLocation(defect.fileName));
    out_.write(", \"region\": {\"startLine\": ");
    out_.writeNumber(defect.line);
    out_.write("}}}]}");
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

void SarifWriter::writeNotification(std::string_view level, std::string_view text) {
    out_.write(anyNotification_ ? ",\n            {\"level\": " : "\n            {\"level\": ");
    anyNotification_ = true;
    writeJsonString(out_, level);
    out_.write(", \"message\": {\"text\": ");
    writeJsonString(out_, text);
    out_.write("}}");
}

void SarifWriter::onEnd(const RunOutcome& outcome) {
    out_.write(anyResult_ ? "\n      ],\n" : "],\n");
    out_.write("      \"invocations\": [\n        {\n          \"executionSuccessful\": ");
    out_.write(outcome.end == RunEnd::kFinished ? "true" : "false");
    if (!assertions_.empty() || outcome.end != RunEnd::kFinished) {
        out_.write(",\n          \"toolExecutionNotifications\": [");
        for (const std::string& report : assertions_)
            writeNotification("warning", "A failed internal check was reported, and the run "
                                         "went on:\n" +
                                             report);
        if (outcome.end != RunEnd::kFinished)
            writeNotification("error", outcomeMessage(outcome));
        out_.write("\n          ]");
    }
    out_.write("\n        }\n      ]\n    }\n  ]\n}\n");
}

} // namespace report
