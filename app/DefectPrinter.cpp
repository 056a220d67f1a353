#include "app/DefectPrinter.h"

#include <charconv>

namespace app {

DefectPrinter::DefectPrinter(const std::string& fileName, OutputChannel& result)
    : fileName_(fileName), result_(result) {
    batch_.reserve(kBatchBytes + 512);
}

void DefectPrinter::startRule(std::int32_t number) {
    ruleText_ = " Rule(" + std::to_string(number) + ") ";
}

void DefectPrinter::onDefect(std::int32_t line, std::string_view message) {
    char digits[16];
    const auto written = std::to_chars(digits, digits + sizeof digits, line).ptr;
    batch_ += fileName_;
    batch_ += ':';
    batch_.append(digits, written);
    batch_ += ruleText_;
    batch_ += message;
    batch_ += '\n';
    ++count_;
    if (batch_.size() >= kBatchBytes)
        printBatch();
}

void DefectPrinter::finishRule(double) {
    printBatch();
}

void DefectPrinter::printBatch() {
    if (batch_.empty())
        return;
    result_.print(batch_);
    batch_.clear();
}

} // namespace app
