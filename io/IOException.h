#pragma once

#include "exceptions/Exception.h"

namespace io {

/// Common base of the failures of files and directories.
class IOException : public exceptions::Exception {
  public:
    using exceptions::Exception::Exception;
};

} // namespace io
