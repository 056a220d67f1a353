#pragma once

#include "exceptions/Exception.h"

namespace scan::run {

/// A shard report that cannot be read or combined: "FILE:LINE: what is wrong".
class ShardException : public exceptions::RuntimeException {
  public:
    using RuntimeException::RuntimeException;
    const std::string& getMessage() const override { return storedMessage(); }
};

} // namespace scan::run
