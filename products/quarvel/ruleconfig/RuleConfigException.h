#pragma once

#include "exceptions/Exception.h"

namespace products::quarvel::ruleconfig {

/// A disable directive whose rule number cannot be used.
class RuleConfigException : public exceptions::Exception {
  public:
    using exceptions::Exception::Exception;
    const std::string& getMessage() const override { return storedMessage(); }
};

} // namespace products::quarvel::ruleconfig
