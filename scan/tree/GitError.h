#pragma once

#include "exceptions/Exception.h"

namespace scan::tree {

/// Git could not answer: no work tree, an unknown revision, git itself failing. The message
/// is whole, with git's own reason where it gave one.
class GitError : public exceptions::RuntimeException {
  public:
    using RuntimeException::RuntimeException;
    const std::string& getMessage() const override { return storedMessage(); }
};

} // namespace scan::tree
