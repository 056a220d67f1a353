#include "report/BlockWriter.h"

#include <utility>

namespace report {

BlockWriter::BlockWriter(Drain drain) : drain_(std::move(drain)) {
    buffer_.reserve(kBlockBytes + 4096);
}

void BlockWriter::writeNumber(std::int64_t number) {
    char digits[24];
    std::size_t at = sizeof digits;
    const bool negative = number < 0;
    // Work with the negative value: it has room for the smallest number too.
    std::int64_t rest = negative ? number : -number;
    do {
        digits[--at] = static_cast<char>('0' - rest % 10);
        rest /= 10;
    } while (rest != 0);
    if (negative)
        digits[--at] = '-';
    write(std::string_view(digits + at, sizeof digits - at));
}

void BlockWriter::drainBuffer() {
    if (!failed_ && !buffer_.empty() && !drain_(buffer_))
        failed_ = true;
    buffer_.clear();
}

bool BlockWriter::flush() {
    drainBuffer();
    return !failed_;
}

} // namespace report
