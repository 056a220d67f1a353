#include "lsp/TextChange.h"

#include <algorithm>

namespace lsp {

void applyChange(std::string& document, const TextChange& change) {
    if (!change.range) {
        document = change.text;
        return;
    }
    std::size_t start = offsetOf(document, change.range->start);
    std::size_t end = offsetOf(document, change.range->end);
    if (end < start)
        std::swap(start, end);
    document.replace(start, end - start, change.text);
}

} // namespace lsp
