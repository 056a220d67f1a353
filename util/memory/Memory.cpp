#include "util/memory/Memory.h"

#include "util/AssertionReporter.h"

#include <cstdlib>
#include <cstring>

namespace util::memory {

void* duplicate(const void* src, std::size_t size) {
    if (!src) {
        reportAssertion("src", __FILE__, __LINE__);
        return nullptr;
    }
    if (size == 0) {
        reportAssertion("size > 0", __FILE__, __LINE__);
        return nullptr;
    }
    void* dup = std::malloc(size);
    if (!dup) {
        reportAssertion("dup", __FILE__, __LINE__);
        return nullptr;
    }
    std::memcpy(dup, src, size);
    return dup;
}

} // namespace util::memory
