#pragma once

#include <string>

namespace platform {

/// A caller's own table of error texts, asked when the system knows no text for a code.
class ErrorMapper {
  public:
    virtual ~ErrorMapper() = default;
    /// True and the text when the code is known.
    virtual bool lookup(int errorCode, std::string& text) const = 0;
};

class SystemErrors {
  public:
    /// "System error message: " and the system's text for the code; never throws.
    static std::string map(int errorCode, const ErrorMapper* fallbackErrors = nullptr) noexcept;
};

} // namespace platform
