#pragma once

#include <string>

namespace exceptions {

/// Root of every failure the program reports to its user: one finished message text.
class Exception {
  public:
    explicit Exception(std::string message) : message_(std::move(message)) {}
    Exception(const Exception&) = default;
    virtual ~Exception() = default;

    virtual const std::string& getMessage() const = 0;

  protected:
    const std::string& storedMessage() const { return message_; }

  private:
    std::string message_;
};

/// Common base of failures caused by wrong use, such as a bad command line.
class RuntimeException : public Exception {
  public:
    using Exception::Exception;
};

class IllegalArgumentException : public RuntimeException {
  public:
    using RuntimeException::RuntimeException;
    const std::string& getMessage() const override { return storedMessage(); }
};

class NumberFormatException : public Exception {
  public:
    using Exception::Exception;
    const std::string& getMessage() const override { return storedMessage(); }
};

} // namespace exceptions
