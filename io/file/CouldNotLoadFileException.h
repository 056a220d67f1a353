#pragma once

#include "io/IOException.h"

namespace io::file {

class CouldNotLoadFileException : public IOException {
  public:
    using IOException::IOException;
    const std::string& getMessage() const override { return storedMessage(); }
};

} // namespace io::file
