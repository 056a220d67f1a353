#pragma once

#include <stdexcept>
#include <string>

namespace util {

/// Standard output refused bytes: the results can no longer reach the user. Not one of the
/// program's own failures, whose message would go to the same output; the entry point tells
/// the user on standard error instead.
class OutputFailure : public std::runtime_error {
  public:
    explicit OutputFailure(int errorNumber);
    /// The C runtime's error number.
    int errorNumber() const { return errorNumber_; }

  private:
    int errorNumber_;
};

/// Writes the text whole to standard output, at once, or throws OutputFailure. An interrupt
/// that arrives meanwhile ends the process only after the text is written.
void writeStandardOutput(const std::string& text);

} // namespace util
