#include "report/GnuWriter.h"

namespace report {

GnuWriter::GnuWriter(BlockWriter& out) : out_(out) {}

void GnuWriter::onDefect(const DefectLine& defect) {
    out_.write(defect.fileName);
    out_.put(':');
    out_.writeNumber(defect.line);
    out_.write(": ");
    out_.write(products::quarvel::rule::levelName(defect.level));
    out_.write(": ");
    out_.write(defect.message);
    out_.write(" [");
    out_.writeNumber(defect.rule->number);
    out_.write("]\n");
}

} // namespace report
