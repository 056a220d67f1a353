#pragma once

#include "io/IOException.h"

namespace windows::file {

/// Common base of the failures of the file-system queries of this folder.
class WindowsFileException : public io::IOException {
  public:
    using io::IOException::IOException;
};

class CouldNotGetCurrentDirectoryException : public WindowsFileException {
  public:
    using WindowsFileException::WindowsFileException;
    const std::string& getMessage() const override { return storedMessage(); }
};

} // namespace windows::file
