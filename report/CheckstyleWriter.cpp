#include "report/CheckstyleWriter.h"

#include "report/XmlText.h"

namespace report {

namespace {
/// Checkstyle's severities: error, warning, info.
std::string_view checkstyleSeverity(products::quarvel::rule::Level level) {
    switch (level) {
    case products::quarvel::rule::Level::kError:
        return "error";
    case products::quarvel::rule::Level::kWarning:
        return "warning";
    case products::quarvel::rule::Level::kNote:
        return "info";
    }
    return "warning";
}
} // namespace

CheckstyleWriter::CheckstyleWriter(BlockWriter& out, const ToolInfo& tool) : out_(out), tool_(tool) {}

void CheckstyleWriter::onStart(const RunStart& start) {
    out_.write("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<checkstyle version=\"");
    writeXmlAttributeText(out_,
                          start.version.empty() ? tool_.version : std::string_view(start.version));
    out_.write("\">\n");
}

void CheckstyleWriter::onDefect(const DefectLine& defect) {
    // A run checks one file at a time, so a file's defects come together.
    if (!inFile_ || defect.fileName != fileName_) {
        if (inFile_)
            out_.write("</file>\n");
        inFile_ = true;
        fileName_.assign(defect.fileName);
        out_.write("<file name=\"");
        writeXmlAttributeText(out_, defect.fileName);
        out_.write("\">\n");
    }
    out_.write("<error line=\"");
    out_.writeNumber(defect.line);
    out_.write("\" severity=\"");
    out_.write(checkstyleSeverity(defect.level));
    out_.write("\" message=\"");
    writeXmlAttributeText(out_, defect.message);
    out_.write("\" source=\"quarvel.");
    out_.writeNumber(defect.rule->number);
    out_.put('.');
    writeXmlAttributeText(out_, defect.rule->name);
    out_.write("\"/>\n");
}

void CheckstyleWriter::onEnd(const RunOutcome&) {
    if (inFile_)
        out_.write("</file>\n");
    out_.write("</checkstyle>\n");
}

} // namespace report
