#pragma once

#include "io/IOException.h"

namespace io::file {

class CouldNotLoadFileException : public IOException {
  public:
    /// `reason`: what went wrong in a few words, without the file's name ("cannot open the
    /// file: No such file or directory"), for programs that name the file themselves.
    explicit CouldNotLoadFileException(std::string message, std::string reason = {})
        : IOException(std::move(message)), reason_(std::move(reason)) {}
    const std::string& getMessage() const override { return storedMessage(); }
    const std::string& reason() const { return reason_; }

  private:
    std::string reason_;
};

} // namespace io::file
