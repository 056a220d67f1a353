#pragma once

#include "exceptions/Exception.h"

/// No project parser accepts the extension of a project file.
class ParserNotFoundException : public exceptions::Exception {
  public:
    using exceptions::Exception::Exception;
    const std::string& getMessage() const override { return storedMessage(); }
};
