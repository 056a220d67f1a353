#pragma once

#include "exceptions/Exception.h"

namespace util::parser::compiler::syntaxhighlighter {

class CodeTypeNotSupportedException : public exceptions::Exception {
  public:
    using exceptions::Exception::Exception;
    const std::string& getMessage() const override { return storedMessage(); }
};

} // namespace util::parser::compiler::syntaxhighlighter
