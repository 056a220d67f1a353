#pragma once

#include <cstddef>

namespace util::memory {

/// A new heap block (freed by the caller with std::free) holding a copy of size bytes,
/// or null when the arguments are unusable or the allocation fails (each reported as a failed
/// check).
void* duplicate(const void* src, std::size_t size);

} // namespace util::memory
